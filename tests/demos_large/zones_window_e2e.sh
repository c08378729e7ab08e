#!/usr/bin/env bash
# zones_demo in a real window under Xvfb: with D held through xdotool the knight,
# first seen at (300, 300), walks to the right.
#   zones_window_e2e.sh ZONES_DEMO DATA_DIR KNIGHT_PNG
set -u
demo=$1
data=$2
work=$(mktemp -d)
app=
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$work"' EXIT

source "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$work"

(cd "$data" && ZOLT_VIDEO=window ZOLT_AUDIO=null exec "$demo") >"$work/out" 2>&1 &
app=$!
id=$(timeout 20 xdotool search --sync --onlyvisible --name '^EAX$' | head -n 1)
[ -n "$id" ] || { echo "FAIL: no window appeared"; cat "$work/out"; exit 1; }
xdotool windowfocus --sync "$id" 2>/dev/null
sleep 1

# The knight's breastplate: steel pixels in his box, whose columns tell where he is.
steel_columns() {
    import -window "$id" "$work/$1.png"
    convert "$work/$1.png" -crop 700x128+0+300 +repage \
        -fx '(b>g+0.03 && r>0.55) ? 1 : 0' -colorspace gray -scale 700x1! -threshold 1% txt:- |
        awk -F'[,:]' '/#FFFFFF|white|gray\(255/ {print $1}' | sort -n | head -n 1
}
before=$(steel_columns before)
[ -n "$before" ] || { echo "FAIL: no knight near (300, 300)"; exit 1; }
[ "$before" -ge 295 ] && [ "$before" -le 364 ] ||
    { echo "FAIL: the knight starts at column $before, wanted within 300..364"; exit 1; }

xdotool keydown d
sleep 2
xdotool keyup d
sleep 0.3
after=$(steel_columns after)
[ -n "$after" ] || { echo "FAIL: the knight is gone after walking"; exit 1; }
moved=$((after - before))
# Two seconds at 90 pixels a second, with the key's own latency.
[ "$moved" -ge 120 ] && [ "$moved" -le 200 ] ||
    { echo "FAIL: the knight moved $moved pixels, wanted about 180"; exit 1; }
echo "zones window e2e: the knight walked $moved pixels to the right from column $before"
