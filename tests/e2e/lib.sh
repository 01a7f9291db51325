# Helpers shared by the end-to-end scripts; sourced, not run. Each script sets work (its
# temporary folder) before it calls start_xvfb, and puts what it starts in the background into
# pids so that stop_started can end it.
pids=()

# Sends the signal (default TERM) to every process in pids.
stop_started() { # [signal]
    local pid
    for pid in "${pids[@]}"; do
        kill "-${1:-TERM}" "$pid" 2>/dev/null || true
    done
}

# Ends the script as failed; a script that defines fail_details has it show more first.
fail() {
    echo "FAIL: $*" >&2
    if declare -F fail_details >/dev/null; then
        fail_details || true
    fi
    exit 1
}

step() {
    echo "--- $*"
}

wait_for() { # seconds command...
    local tries=$(($1 * 10))
    shift
    while ! "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# Starts an X server of its own and points DISPLAY at it. Xvfb picks a free display number and
# writes it to a file, so no running server is hit. The server runs with -noreset: by default an
# X server resets when its last client leaves and refuses new clients meanwhile, so a program
# started just after the previous one was killed (or after xdpyinfo checked the server) could
# not open the display, and Qt aborts a program that cannot.
start_xvfb() {
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    pids+=($!)
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=:$(cat "$work/display")
    wait_for 10 xdpyinfo || fail "Xvfb does not answer on $DISPLAY"
}
