# Sourced by the real-window tests: start_xvfb FOLDER starts a virtual X server
# on a free display, sets DISPLAY, and leaves its process id in $xvfb.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$1/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$1/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$1/display")
}
