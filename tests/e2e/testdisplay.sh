# Sourced by the end-to-end tests that drive the programs under X. Starts a private Xvfb on a
# free display number and exports DISPLAY. The server runs with -noreset: an X server by default
# resets when its last client leaves, and while it resets it refuses new clients, so a program
# started just after the previous one was killed (or after xdpyinfo checked the server) could not
# open the display and Qt aborted it.
# Usage: start_test_display WORK_DIR; sets test_display_pid. Returns 1 when the server does not
# come up.
start_test_display() { # work-dir
    local tries
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" >/dev/null 2>&1 &
    test_display_pid=$!
    for ((tries = 100; tries > 0; tries--)); do
        [ -s "$1/display" ] && break
        sleep 0.1
    done
    [ -s "$1/display" ] || return 1
    export DISPLAY=:$(cat "$1/display")
    for ((tries = 100; tries > 0; tries--)); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
