#!/usr/bin/env bash
# The X server the end-to-end tests start must not reset when its last client leaves: while it
# resets it refuses new clients, and a program started at that moment aborts at start-up. A
# reset also clears the root window's properties, which is what this checks, client after client.
# Exits 77 (skipped) where Xvfb or the X utilities are missing.
set -euo pipefail
source "$(dirname "$0")/testdisplay.sh"

for tool in Xvfb xdpyinfo xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
test_display_pid=""
cleanup() {
    [ -z "$test_display_pid" ] || kill "$test_display_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_test_display "$work" || fail "Xvfb did not start or does not answer"
for round in 1 2 3; do
    xprop -root -f KIT_DISPLAY_PROBE 8s -set KIT_DISPLAY_PROBE "round $round"
    # xprop has left; the next one is the server's only client again.
    kept=$(xprop -root KIT_DISPLAY_PROBE 2>&1) || fail "the display refused a client: $kept"
    [ "$kept" = "KIT_DISPLAY_PROBE(STRING) = \"round $round\"" ] ||
        fail "the server reset when its last client left (round $round): $kept"
done
echo "PASS"
