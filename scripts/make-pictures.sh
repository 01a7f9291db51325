#!/usr/bin/env bash
# Makes the README's pictures again from the real programs: the caller and its audience screen in
# the middle of a game (grabbed offscreen), the sheet window (a screenshot under Xvfb) and a printed page (the PDF
# export turned into an image).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
preset=${1:-dev}
build="$top/build/$preset"
# The Japanese pictures are made with no language chosen, the English ones in en_US.
export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE

scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset" --target Kavelo bingo callershot
mkdir -p docs
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    pkill -f "^$build/program/bingo" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

echo "caller and audience screen mid-game"
(cd "$build/program" && QT_QPA_PLATFORM=offscreen "$build/tools/callershot" "$top/docs/kavelo-game.png" 13 \
    "$top/docs/audience-screen.png")

echo "caller in English"
(cd "$build/program" && LANG=en_US.UTF-8 QT_QPA_PLATFORM=offscreen "$build/tools/callershot" \
    "$top/docs/kavelo-game-en.png" 13)

echo "sheet window"
# -noreset: a server that resets when xdpyinfo leaves refuses the program started next.
Xvfb -displayfd 3 -noreset -screen 0 1024x900x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# sheet_window LANG PICTURE [SETUP_PICTURE]: the sheet window in a language, and its setup dialog.
sheet_window() {
    LANG=$1 QT_QPA_PLATFORM=xcb "$build/program/bingo" --seed 7 >/dev/null 2>&1 &
    for _ in $(seq 100); do
        dialog=$(xdotool search --onlyvisible --name '^BINGOSHEET$' 2>/dev/null | head -n 1) && [ -n "$dialog" ] && break
        sleep 0.1
    done
    sleep 1
    [ -n "${3:-}" ] && import -window "$dialog" "$3"
    # Enter takes the dialog's defaults: 10 sheets, top number 50, blue.
    xdotool windowfocus --sync "$dialog"
    xdotool key Return
    for _ in $(seq 100); do
        frame=$(xdotool search --onlyvisible --name ' - BINGO$' 2>/dev/null | head -n 1) && [ -n "$frame" ] && break
        sleep 0.1
    done
    xdotool windowsize "$frame" 760 640
    sleep 1
    import -window "$frame" "$2"
    pkill -f "^$build/program/bingo" || true
    sleep 0.5
}
sheet_window C.UTF-8 "$top/docs/bingo-sheets.png"
sheet_window en_US.UTF-8 "$top/docs/bingo-sheets-en.png" "$top/docs/bingo-setup-en.png"

echo "printed page"
"$build/program/bingo" --sheets 8 --top 75 --color blue --seed 7 --pdf "$work/page.pdf"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/page.pdf" "$top/docs/printed-page"
echo "pictures written to docs/"
