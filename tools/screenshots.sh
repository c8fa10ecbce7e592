#!/bin/sh
# Saves PNGs of the XELODecoder window, the Linux one and the Windows one
# under Wine, each on its own virtual screen.
# Arguments: the Linux build tree, the 64-bit Windows build tree, the folder
# for the pictures.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
LINUX=$(cd "$1" && pwd)
WIN64=$(cd "$2" && pwd)
mkdir -p "$3"
OUT=$(cd "$3" && pwd)
WORK=$(mktemp -d)
export WINEPREFIX="$WIN64/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap '/usr/lib/wine/wineserver64 -k 2>/dev/null; rm -rf "$WORK"' EXIT

mkdir "$WORK/linux" "$WORK/win"
cp "$LINUX/bin/XELOLibrary_2_0.so" "$WORK/linux/"
cp "$WIN64/bin/XELODecoder.exe" "$WIN64/bin/XELOLibrary_2_0.dll" "$WORK/win/"

cat > "$WORK/shoot.sh" <<'SHOT'
# Runs the program given, waits for its window, saves the screen around it.
set -eu
OUTPUT=$1
shift
"$@" &
pid=$!
tries=600
window=""
while [ -z "$window" ] && [ $tries -gt 0 ]; do
    window=$(xdotool search --name '^XELO Decoder \(lib v2\.00\)$' 2>/dev/null | head -1 || true)
    sleep 0.2
    tries=$((tries - 1))
done
[ -n "$window" ] || { echo "no window" >&2; kill $pid; exit 1; }
xdotool mousemove 0 0
sleep 1 # let the window finish drawing
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUTPUT"
kill $pid 2>/dev/null || true
wait $pid 2>/dev/null || true
SHOT

[ -d "$WINEPREFIX" ] || xvfb-run -a /usr/lib/wine/wine64 wineboot -i > /dev/null 2>&1
# Wine draws the window's frame and caption itself.
xvfb-run -a /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f > /dev/null 2>&1
/usr/lib/wine/wineserver64 -w

(cd "$WORK/linux" && xvfb-run -a -s "-screen 0 640x480x24" sh "$WORK/shoot.sh" "$OUT/window-linux.png" \
    "$LINUX/bin/XELODecoder")
(cd "$WORK/win" && xvfb-run -a -s "-screen 0 640x480x24" sh "$WORK/shoot.sh" "$OUT/window-windows.png" \
    /usr/lib/wine/wine64 XELODecoder.exe)
echo "Saved $OUT/window-linux.png and $OUT/window-windows.png"
