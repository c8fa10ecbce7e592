#!/bin/sh
# Checks a Windows program or library: its file format (pei-i386 for 32-bit
# Windows), its subsystem, and its export table: every required name is
# exported undecorated, and nothing but the allowed names.
# Arguments: objdump, the file, the format, the subsystem ("-" for a
# library), the required names, "--", the other allowed names.
set -u
OBJDUMP=$1 FILE=$2 FORMAT=$3 SUBSYSTEM=$4
shift 4
fail() {
    echo "FAIL: $FILE: $*" >&2
    exit 1
}
"$OBJDUMP" -f "$FILE" | grep -q "file format $FORMAT\$" || fail "not $FORMAT"
HEADERS=$("$OBJDUMP" -p "$FILE") || fail "no private headers"
# Programs and library run without the toolchain's runtime DLLs.
if printf '%s\n' "$HEADERS" | grep -Eq "DLL Name: (libstdc|libgcc|libwinpthread)"; then
    fail "needs a toolchain runtime DLL"
fi
if [ "$SUBSYSTEM" != "-" ]; then
    printf '%s\n' "$HEADERS" | grep -Eq "^Subsystem[[:space:]]+[0-9a-f]+[[:space:]]+\\($SUBSYSTEM\\)" ||
        fail "subsystem is not $SUBSYSTEM"
fi
# The names of the export table, one a line.
EXPORTS=$(printf '%s\n' "$HEADERS" |
    sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)
required=yes
for name in "$@"; do
    if [ "$name" = "--" ]; then
        required=no
        continue
    fi
    if [ $required = yes ]; then
        printf '%s\n' "$EXPORTS" | grep -qx "$name" || fail "does not export $name"
    fi
done
for name in $EXPORTS; do
    found=no
    for allowed in "$@"; do [ "$name" = "$allowed" ] && found=yes; done
    [ $found = yes ] || fail "exports $name, which is not one of its names"
done
echo "$FILE: $FORMAT, subsystem $SUBSYSTEM, exports: $(echo $EXPORTS)"
