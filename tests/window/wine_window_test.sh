#!/bin/sh
# The Windows XELODecoder.exe in a real window, under Wine (run under Xvfb):
# a silent run writes the same report as the Linux program and ends by
# itself; an interactive run shows the summary; one dropped file is decoded,
# two dropped files are refused.
# Arguments: the Windows bin folder, window_probe.exe, an SBE41 sample, the
# Linux XELODecoder, the Linux library, xelo-decode (Linux), the Wine prefix.
set -u
WINBIN=$1 PROBE=$2 SAMPLE=$3 LINUX_PROGRAM=$4 LINUX_LIBRARY=$5 CLI=$6
export WINEPREFIX=$7 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
. "$(dirname "$0")/common.sh"

WORK=$(mktemp -d)
cleanup() {
    "$WINESERVER" -k 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
mkdir "$WORK/win" "$WORK/linux" "$WORK/reference"
cp "$WINBIN/XELODecoder.exe" "$WINBIN/XELOLibrary_2_0.dll" "$WORK/win/"
cp "$SAMPLE" "$WORK/win/F_sbe41.hex"
cp "$SAMPLE" "$WORK/linux/F_sbe41.hex"
cp "$LINUX_LIBRARY" "$WORK/linux/"
"$CLI" --library "$LINUX_LIBRARY" -o "$WORK/reference" "$WORK/linux/F_sbe41.hex" > "$WORK/summary.txt" ||
    fail "xelo-decode could not decode the sample"
[ -d "$WINEPREFIX" ] || "$WINE" wineboot -i > /dev/null 2>&1

windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
probe() { "$WINE" "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }
expected=$(tr -d '\r' < "$WORK/summary.txt")
CAPTION="XELO Decoder (lib v2.00)"

echo "silent run, Linux and Windows"
(cd "$WORK/linux" && "$LINUX_PROGRAM" F_sbe41.hex 0) || fail "the Linux silent run failed"
cd "$WORK/win"
"$WINE" XELODecoder.exe F_sbe41.hex 0 &
wait_exit $! || fail "the Windows silent run did not end by itself with status 0"
cmp F_sbe41.csv "$WORK/linux/F_sbe41.csv" || fail "the Windows report differs from the Linux one"
cmp F_sbe41.csv "$WORK/reference/F_sbe41.csv" || fail "the Windows report differs from xelo-decode's"
rm F_sbe41.csv

echo "interactive run"
"$WINE" XELODecoder.exe F_sbe41.hex &
pid=$!
poll window_named "Information" > /dev/null || fail "no information dialog"
text=$(probe message "Information")
[ "$text" = "$expected" ] || fail "dialog text \"$text\", expected \"$expected\""
poll window_named "$CAPTION" > /dev/null || fail "no main window captioned \"$CAPTION\""
cmp F_sbe41.csv "$WORK/reference/F_sbe41.csv" || fail "the interactive run's report differs"
rm F_sbe41.csv

echo "one file dropped"
probe drop "$CAPTION" "$(windows_path "$WORK/win/F_sbe41.hex")" || fail "cannot drop one file"
text=$(probe message "Information")
[ "$text" = "$expected" ] || fail "after a drop, dialog text \"$text\", expected \"$expected\""
cmp F_sbe41.csv "$WORK/reference/F_sbe41.csv" || fail "the dropped file's report differs"
rm F_sbe41.csv

echo "two files dropped"
probe drop "$CAPTION" "$(windows_path "$WORK/win/F_sbe41.hex")" "$(windows_path "$WORK/win/XELOLibrary_2_0.dll")" ||
    fail "cannot drop two files"
text=$(probe message "Error")
[ "$text" = "Please select only one file" ] || fail "two files dropped: dialog text \"$text\""
[ ! -e F_sbe41.csv ] || fail "two files dropped, yet a report was written"

probe close "$CAPTION" || fail "cannot close the window"
wait_exit $pid || fail "the program did not end when its window was closed"
echo "passed"
