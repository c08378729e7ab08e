#!/usr/bin/env bash
# Whole-program benchmark: stress_demo_fixed with 200, 2000 and 10 000 active
# balls, and zones_demo, headless on the fixed clock. Each figure is the best of
# RUNS runs of the wall-clock time of MEASURE extra ticks at the wanted count:
# a run of WARM ticks (set-up and the presses) is timed alone and subtracted.
#   run_programs.sh BIN_DIR DEMOS_DATA_DIR
set -eu
bin=$1
data=$2
runs=${RUNS:-3}
measure=${MEASURE:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Milliseconds of wall-clock time for one headless run of TICKS ticks.
run_ms() {  # demo ticks input
    local start end
    start=$(date +%s%N)
    (cd "$data/$1" && ZOLT_VIDEO=headless ZOLT_AUDIO=null ZOLT_CLOCK=fixed:16 \
        ZOLT_FRAMES=$2 ZOLT_INPUT=$3 "$bin/$1" >/dev/null 2>"$work/err") ||
        { echo "$1 failed: $(cat "$work/err")" >&2; exit 1; }
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

# Best per-frame time in microseconds of MEASURE ticks after WARM ticks.
frame_us() {  # demo warm input
    local best= warm all us
    for _ in $(seq "$runs"); do
        warm=$(run_ms "$1" "$2" "$3")
        all=$(run_ms "$1" $(($2 + measure)) "$3")
        us=$(((all - warm) * 1000 / measure))
        if [ -z "$best" ] || [ "$us" -lt "$best" ]; then best=$us; fi
    done
    echo "$best"
}

report() {  # label frame_us sprites
    awk -v l="$1" -v us="$2" -v n="$3" 'BEGIN {
        printf "%-28s %8.1f frames/s %8.2f ms/frame %8.0f ns/sprite (%d sprites)\n",
               l, 1e6 / us, us / 1000, us * 1000 / n, n }'
}

echo "machine: $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
for balls in 200 2000 10000; do
    presses=$(((balls - 200) / 200))
    input=$work/presses-$balls.txt
    : >"$input"
    for i in $(seq 1 "$presses"); do
        echo "$((1 + 2 * i)) key down 57" >>"$input"
        echo "$((2 + 2 * i)) key up 57" >>"$input"
    done
    warm=$((4 + 2 * presses))
    # Balls plus the 12 background tiles.
    report "stress_demo_fixed $balls" "$(frame_us stress_demo_fixed $warm "$input")" $((balls + 12))
done
: >"$work/none.txt"
# The 400 grass tiles and 4 circles asked for, most culled, and the knight.
report "zones_demo" "$(frame_us zones_demo 10 "$work/none.txt")" 405
