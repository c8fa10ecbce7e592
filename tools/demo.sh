#!/bin/sh
# Decodes copies of the bundled sample files in <build dir>/demo and prints
# what the decoder says about each.
set -e
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
DEMO="$ROOT/$BUILD/demo"
rm -rf "$DEMO"
mkdir -p "$DEMO"
cp "$ROOT"/samples/*.hex "$DEMO"/
cd "$DEMO"
for file in *.hex; do
    printf '== %s\n' "$file"
    "$ROOT/$BUILD/bin/xelo-decode" "$file" | tr -d '\r'
    [ -f "${file%???}csv" ] && printf '   -> %s (%s lines)\n' "${file%???}csv" "$(wc -l < "${file%???}csv")"
done
echo "Reports are in $DEMO"

