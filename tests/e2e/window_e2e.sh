#!/usr/bin/env bash
# A real window under Xvfb: it appears with the client size, shows the cleared
# blue frame, and closing it with its close box ends the frame loop.
#   window_e2e.sh PROBE X11_CLOSE
set -u
probe=$1
closer=$2
work=$(mktemp -d)
trap 'kill $xvfb $app 2>/dev/null; rm -rf "$work"' EXIT

source "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$work"

ZOLT_VIDEO=window ZOLT_AUDIO=null ZOLT_TRACE="$work/trace" "$probe" --width 800 --height 600 >"$work/out" 2>&1 &
app=$!
id=$(timeout 20 xdotool search --sync --onlyvisible --name '^probe$' | head -n 1)
[ -n "$id" ] || { echo "FAIL: no window appeared"; cat "$work/out"; exit 1; }

size=$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}')
[ "$size" = "784x561" ] || { echo "FAIL: client size $size, wanted 784x561"; exit 1; }

sleep 0.5
import -window "$id" "$work/shot.png"
colour=$(convert "$work/shot.png" -format '%[pixel:p{392,280}]' info:)
case "$colour" in
  "srgb(0,0,255)" | "blue") ;;
  *) echo "FAIL: centre pixel is $colour, wanted blue"; exit 1 ;;
esac

"$closer" "$id"
for _ in $(seq 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then echo "FAIL: closing the window did not end the loop"; exit 1; fi
wait $app
status=$?
[ $status = 0 ] || { echo "FAIL: exit status $status"; cat "$work/out"; exit 1; }
grep -q '^returned after' "$work/out" || { echo "FAIL: RunEngine did not return"; exit 1; }
echo "window e2e: window $size, centre $colour, closed cleanly"
