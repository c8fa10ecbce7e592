#!/bin/sh
# Checks that a built library exports exactly the expected names, and for
# Windows builds that the files are 32-bit (i386) images that need no
# toolchain runtime DLL.
#   check_exports.sh elf NM LIBRARY NAME...
#   check_exports.sh pe OBJDUMP ARCH LIBRARY PROGRAM... -- NAME...
set -e
kind=$1
shift
expected=$(mktemp)
actual=$(mktemp)
trap 'rm -f "$expected" "$actual"' EXIT

if [ "$kind" = elf ]; then
    nm=$1 library=$2
    shift 2
    printf '%s\n' "$@" | sort > "$expected"
    "$nm" -D --defined-only "$library" | awk '{print $3}' | sort > "$actual"
else
    objdump=$1 arch=$2 library=$3
    shift 3
    images="$library"
    while [ "$1" != "--" ]; do images="$images $1"; shift; done
    shift
    printf '%s\n' "$@" | sort > "$expected"
    for image in $images; do
        "$objdump" -f "$image" | grep -q "file format pei-$arch" ||
            { echo "$image is not a pei-$arch image"; exit 1; }
        if "$objdump" -p "$image" | grep -E "DLL Name: (libstdc|libgcc|libwinpthread)"; then
            echo "$image needs a toolchain runtime DLL"
            exit 1
        fi
    done
    "$objdump" -p "$library" |
        awk '/\[Ordinal\/Name Pointer\] Table/ {on = 1; next} on && NF == 0 {on = 0} on {print $NF}' |
        sort > "$actual"
fi

if ! diff -u "$expected" "$actual"; then
    echo "export table of $library differs from the expected names"
    exit 1
fi
echo "$library exports exactly: $(tr '\n' ' ' < "$actual")"
