#!/bin/sh
# The Linux XELODecoder in a real window (run under Xvfb): a silent command-
# line run writes the report and ends by itself; an interactive one shows the
# summary dialog, which is found by its title and text and closed.
# Arguments: XELODecoder, the library, an SBE41 sample, xelo-decode.
set -u
PROGRAM=$1 LIBRARY=$2 SAMPLE=$3 CLI=$4
. "$(dirname "$0")/common.sh"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/run" "$WORK/reference"
cp "$LIBRARY" "$WORK/run/"
cp "$SAMPLE" "$WORK/run/F_sbe41.hex"
"$CLI" --library "$LIBRARY" -o "$WORK/reference" "$WORK/run/F_sbe41.hex" > "$WORK/summary.txt" ||
    fail "xelo-decode could not decode the sample"
cd "$WORK/run"

echo "silent run"
"$PROGRAM" F_sbe41.hex 0 &
wait_exit $! || fail "the silent run did not end by itself with status 0"
cmp F_sbe41.csv "$WORK/reference/F_sbe41.csv" || fail "the silent run's report differs"
rm F_sbe41.csv

echo "interactive run"
"$PROGRAM" F_sbe41.hex &
pid=$!
dialog=$(poll window_named "Information") || fail "no information dialog"
text=$(xprop -id "$dialog" _XELO_MESSAGE_TEXT | sed -e 's/^[^"]*"//' -e 's/"$//' -e 's/\\015\\n/|/g')
expected=$(tr -d '\r' < "$WORK/summary.txt" | sed -n '1h;1!H;${x;s/\n/|/g;p}')
[ "$text" = "$expected" ] || fail "dialog text \"$text\", expected \"$expected\""
main=$(window_named "XELO Decoder (lib v2.00)")
[ -n "$main" ] || fail "no main window captioned \"XELO Decoder (lib v2.00)\""
cmp F_sbe41.csv "$WORK/reference/F_sbe41.csv" || fail "the interactive run's report differs"
xdotool key --window "$dialog" Return
poll sh -c "[ -z \"\$(xdotool search --name '^Information\$')\" ] && echo gone" > /dev/null ||
    fail "the dialog did not close"
kill -0 $pid 2>/dev/null || fail "the program ended with its dialog"
xdotool key --window "$main" Escape
wait_exit $pid || fail "the program did not end when its window was closed"
echo "passed"
