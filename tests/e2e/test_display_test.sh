#!/usr/bin/env bash
# The X server the end-to-end tests start must not reset when its last client leaves: while it
# resets it refuses new clients, and a program started at that moment aborts at start-up. A
# reset also clears the root window's properties, which is what this checks, client after client.
# Exits 77 (skipped) where Xvfb or the X utilities are missing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

for tool in Xvfb xdpyinfo xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
    stop_started
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb
for round in 1 2 3; do
    xprop -root -f KIT_DISPLAY_PROBE 8s -set KIT_DISPLAY_PROBE "round $round"
    # xprop has left; the next one is the server's only client again.
    kept=$(xprop -root KIT_DISPLAY_PROBE 2>&1) || fail "the display refused a client: $kept"
    [ "$kept" = "KIT_DISPLAY_PROBE(STRING) = \"round $round\"" ] ||
        fail "the server reset when its last client left (round $round): $kept"
done
echo "PASS"
