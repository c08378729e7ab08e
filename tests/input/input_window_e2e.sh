#!/usr/bin/env bash
# Keys and the mouse in a real window under Xvfb: keys held with xdotool reach
# KeyChek and KeysChek, the pointer reaches GetMouseX/GetMouseY (negative left
# of the window), a wheel notch counts 120 and the left button reaches MouseLBPress.
#   input_window_e2e.sh INPUT_PROBE
set -u
probe=$1
work=$(mktemp -d)
app=
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$work"' EXIT

source "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$work"

calls=KeyChek:57,KeyChek:200,KeysChek,GetMouseX,GetMouseY,RollingMouse,MouseLBPress
ZOLT_VIDEO=window ZOLT_AUDIO=null "$probe" --changes --calls "$calls" >"$work/out" 2>&1 &
app=$!
id=$(timeout 20 xdotool search --sync --onlyvisible --name '^probe$' | head -n 1)
[ -n "$id" ] || { echo "FAIL: no window appeared"; cat "$work/out"; exit 1; }
xdotool mousemove --window "$id" 100 50
xdotool windowfocus --sync "$id" 2>/dev/null

# Waits until the probe prints a line matching the pattern after line $mark,
# and moves the mark to that line.
mark=0
expect() {
    for _ in $(seq 50); do
        found=$(tail -n +$((mark + 1)) "$work/out" | grep -nE "$1" | head -n 1 | cut -d: -f1)
        if [ -n "$found" ]; then
            mark=$((mark + found))
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL: $2"
    tail -n 5 "$work/out"
    exit 1
}

expect 'GetMouseX=100 GetMouseY=50' "the pointer at (100, 50) in the window"
xdotool keydown space
expect 'KeyChek:57=1 KeyChek:200=0 KeysChek=0 ' "space held: KeyChek(57) only"
xdotool keyup space keydown Up
expect 'KeyChek:57=0 KeyChek:200=1 KeysChek=0 ' "Up held: KeyChek(200)"
xdotool keydown w keydown a
expect 'KeysChek=17 ' "W and A held: KeysChek 17"
xdotool keyup a keyup w keyup Up
expect 'KeyChek:57=0 KeyChek:200=0 KeysChek=0 ' "all keys up"

# Left of the window's client area the x is negative.
left=$(xdotool getwindowgeometry "$id" | awk '/Position/ {split($2, p, ","); print p[1]}')
xdotool mousemove $((left - 30)) 400
expect 'GetMouseX=-30 ' "the pointer 30 pixels left of the window"
xdotool mousemove --window "$id" 20 30
expect 'GetMouseX=20 GetMouseY=30' "the pointer back in the window"

xdotool click 4
expect 'RollingMouse=120 ' "one wheel notch away from the user"
xdotool click 5
expect 'RollingMouse=-120 ' "one notch towards the user"
xdotool mousedown 1
expect 'MouseLBPress=1$' "the left button held"
xdotool mouseup 1
expect 'MouseLBPress=0$' "the left button released"
echo "input e2e: keys, pointer, wheel and button reach the queries"
