#!/usr/bin/env bash
# Kills the real caller in the middle of a game (SIGKILL), starts it again and answers the
# question to continue, pressing its buttons under Xvfb as an operator would. Checks the game
# goes on with the same numbers in the same order, from its journal and from the drawn-numbers
# file it saves. Also checks the command line and that --seed replays the first game's order.
# Exits 77 (skipped) where Xvfb or xdotool is missing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

program_dir=$1
for tool in Xvfb xdotool xdpyinfo import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
    stop_started KILL
    rm -rf "$work"
}
trap cleanup EXIT

fail_details() {
    # Under set -e a failing last command of a list would end this before the log is shown.
    if [ -n "${journal_dir:-}" ]; then tail -n +1 "$journal_dir"/* >&2 2>/dev/null || true; fi
    if [ -s "$work/caller.log" ]; then tail -n 20 "$work/caller.log" >&2; fi
}

step "the command line"
# In English, the messages as an English user reads them.
export LANG=en_GB.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE
set +e
"$program_dir/Kavelo" --seed 12x >"$work/out" 2>"$work/err"
status=$?
set -e
[ "$status" = 2 ] || fail "a bad seed exits with $status, not 2"
grep -q 'kavelo: --seed needs a whole number from 0 to 4294967295, not "12x"' "$work/err" ||
    fail "a bad seed is not named: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "a bad seed writes to standard output"
set +e
"$program_dir/Kavelo" --colour red >/dev/null 2>"$work/err"
status=$?
set -e
[ "$status" = 2 ] || fail "an unknown option exits with $status, not 2"
grep -q "Unknown option 'colour'" "$work/err" || fail "the unknown option is not named"
[ "$("$program_dir/Kavelo" --version)" = "Kavelo 1.0" ] || fail "--version"
"$program_dir/Kavelo" --help | grep -q -- '--seed <S>' || fail "--help does not list --seed"

start_xvfb
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
# No language chosen: the caller speaks Japanese, as the windows looked for below are named.
unset LC_ALL LC_MESSAGES LANGUAGE

caller_pid=""
window=""
journal_dir=""

# Starts the caller with its own state folder; sets caller_pid.
launch() { # state-name args...
    export XDG_STATE_HOME="$work/$1"
    journal_dir="$XDG_STATE_HOME/kavelo/journal"
    shift
    (cd "$program_dir" && exec ./Kavelo "$@") >>"$work/caller.log" 2>&1 &
    caller_pid=$!
    pids+=("$caller_pid")
}
find_window() { # title
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
wait_dialog() {
    wait_for 30 find_window '^BINGO$' || fail "the caller's window did not appear"
    # Mapped is not yet ready for input.
    sleep 1
}
# Positions in the dialog: dialog units at base units 7 by 12 (x * 7 / 4, y * 12 / 8).
click_at() { # x y
    find_window '^BINGO$' || fail "the caller's window is gone"
    xdotool mousemove --window "$window" "$1" "$2" click 1
}
start_button() { click_at 87 109; }
stop_button() { click_at 232 109; }
save_button() { click_at 379 148; }
choose_top() { # number
    click_at 357 268
    xdotool key ctrl+a type "$1"
}
journal() { ls "$journal_dir"/game-*.journal 2>/dev/null | tail -n 1; }
has_journal() { [ -n "$(journal)" ]; }
drawn_in_journal() { if [ -n "$(journal)" ]; then grep -c ' drawn index=' "$(journal)" || true; else echo 0; fi; }
has_drawn() { [ "$(drawn_in_journal)" -ge "$1" ]; }
# The numbers drawn so far, as the journal lists them, separated by spaces.
journal_numbers() { grep -o ' drawn index=[0-9]* number=[0-9]*' "$(journal)" | sed 's/.*number=//' | tr '\n' ' ' | sed 's/ $//'; }
draw() { # count
    local i target
    for ((i = 0; i < $1; i++)); do
        target=$(($(drawn_in_journal) + 1))
        start_button
        sleep 0.3
        stop_button
        wait_for 10 has_drawn "$target" || fail "Stop did not draw number $target"
        # The reveal takes 700 ms after the record is written.
        sleep 1
    done
}
answer_question() { # key
    wait_for 20 find_window '^Kavelo$' || fail "no question or message box appeared"
    xdotool windowfocus --sync "$window" key "$1"
    wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Kavelo$'" || fail "the box did not close"
}
kill_caller() {
    kill -9 "$caller_pid"
    wait "$caller_pid" 2>/dev/null || true
}
save_drawn_numbers() { # file
    save_button
    wait_for 20 find_window '保存' || fail "the save dialog did not appear"
    xdotool windowfocus --sync "$window" type "$1"
    xdotool key Return
    wait_for 10 test -s "$1" || fail "no drawn-numbers file was saved"
}
saved_numbers() { # file
    tr -d '\r' <"$1" | grep -v '<<' | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}

# Seed 2024 draws the order 1 6 3 0 7 2 4 for a game of 7 (worked out by hand from the
# generator started CrtRandom::CallerOffset values on, and the fill).
order7="1 6 3 0 7 2 4"
first_of_order7() { [ "$1" = 0 ] || cut -d ' ' -f "1-$1" <<<"$order7"; }
for k in 0 3 6; do
    step "killed while spinning after $k numbers of 7, then continued"
    launch "state-$k" --seed 2024
    wait_dialog
    choose_top 7
    draw "$k"
    start_button
    wait_for 10 has_journal || fail "no journal was made at Start"
    sleep 0.5
    kill_caller
    header=$(head -n 1 "$(journal)")
    grep -q ' top=7 seed=2024 game=1 .* order=1,6,3,0,7,2,4$' <<<"$header" || fail "header: $header"

    launch "state-$k"
    answer_question Return
    wait_dialog
    # The game as it was put back, to look at when something is in doubt.
    import -window "$window" "${SCREENSHOT_DIR:-$work}/resumed-after-$k.png"
    [ "$(journal_numbers)" = "$(first_of_order7 "$k")" ] ||
        fail "the journal lost numbers: $(journal_numbers)"
    grep -q '^[0-9]* [0-9a-f]* resumed time=' "$(journal)" || fail "no resumed record"
    draw 1
    expected=$(first_of_order7 $((k + 1)))
    [ "$(journal_numbers)" = "$expected" ] || fail "after $k: $(journal_numbers), not $expected"
    if [ "$k" = 6 ]; then
        answer_question Return
        tail -n 1 "$(journal)" | grep -q ' finished count=7 ' || fail "the last number did not finish the game"
    else
        save_drawn_numbers "$work/drawn-$k.txt"
        saved=$(saved_numbers "$work/drawn-$k.txt")
        [ "$saved" = "$(sed 's/\b\([0-9]\)\b/0\1/g' <<<"$expected")" ] ||
            fail "the saved numbers are $saved, not $expected"
    fi
    kill_caller
done

step "killed at Bingo End: the finished game is not offered"
launch state-end --seed 2024
wait_dialog
choose_top 7
draw 6
start_button
sleep 0.3
stop_button
wait_for 10 find_window '^Kavelo$' || fail "no Bingo End after the last number"
kill_caller
tail -n 1 "$(journal)" | grep -q ' finished count=7 ' || fail "the finished game is not closed"
launch state-end
wait_dialog
sleep 1.5
! find_window '^Kavelo$' || fail "a finished game was offered to continue"
kill_caller

step "--seed 12345 with top number 50 draws the fill of that seed"
launch state-seed --seed 12345
wait_dialog
draw 3
header=$(head -n 1 "$(journal)")
expected_order="25,26,20,46,40,28,6,30,0,39,27,29,19,41,15,23,4,44,31,21,3,42,5,47,32,16,45,11,22,17,18,43,2,7,33,48,49,8,24,34,35,12,36,37,38,9,50,14,1,10"
grep -q " top=50 seed=12345 game=1 .* order=$expected_order\$" <<<"$header" || fail "header: $header"
[ "$(journal_numbers)" = "25 26 20" ] || fail "first numbers: $(journal_numbers)"
kill_caller
echo "PASS"
