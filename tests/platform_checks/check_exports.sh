#!/bin/sh
# Checks that a Linux build of the library exports exactly the given names.
#   check_exports.sh NM LIBRARY NAME...
set -e
nm=$1 library=$2
shift 2
expected=$(mktemp)
actual=$(mktemp)
trap 'rm -f "$expected" "$actual"' EXIT
printf '%s\n' "$@" | sort > "$expected"
"$nm" -D --defined-only "$library" | awk '{print $3}' | sort > "$actual"
if ! diff -u "$expected" "$actual"; then
    echo "export table of $library differs from the expected names"
    exit 1
fi
echo "$library exports exactly: $(tr '\n' ' ' < "$actual")"
