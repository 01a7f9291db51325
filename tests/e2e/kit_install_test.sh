#!/usr/bin/env bash
# Installs the kit into a temporary prefix and uses it the way an operator would: the caller
# started through its launcher from another folder finds its cues and clips, its Sheet button
# starts the installed sheet program, and the sheet program exports a PDF. Leaves nothing
# running and nothing outside the temporary folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

build_dir=$1
work=$(mktemp -d)
prefix="$work/prefix"

cleanup() {
    stop_started
    pkill -f "^$prefix/" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

step "install into $prefix"
cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log"

step "the installed tree holds the kit and nothing else"
expected=$(cat <<'LIST'
bin/bingo
bin/kavelo
lib/bingo-kit/COUNT16.AVI
lib/bingo-kit/Kavelo
lib/bingo-kit/bingo
lib/bingo-kit/wave/clear.wav
lib/bingo-kit/wave/count16.AVI
lib/bingo-kit/wave/file.wav
lib/bingo-kit/wave/start.wav
lib/bingo-kit/wave/stop.wav
share/applications/io.github.bingokit.Bingo.desktop
share/applications/io.github.bingokit.Kavelo.desktop
share/doc/bingo-kit/changelog.gz
share/doc/bingo-kit/copyright
share/icons/hicolor/scalable/apps/io.github.bingokit.Bingo.svg
share/icons/hicolor/scalable/apps/io.github.bingokit.Kavelo.svg
share/man/man1/bingo.1.gz
share/man/man1/kavelo.1.gz
share/metainfo/io.github.bingokit.Bingo.metainfo.xml
share/metainfo/io.github.bingokit.Kavelo.metainfo.xml
LIST
)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual") || true)"
outside=$(grep -v "^$prefix/" "$build_dir/install_manifest.txt" || true)
[ -z "$outside" ] || fail "files installed outside the prefix: $outside"
[ -x "$prefix/bin/kavelo" ] && [ -x "$prefix/bin/bingo" ] || fail "launchers are not executable"
grep -qx "Path=$prefix/lib/bingo-kit" "$prefix/share/applications/io.github.bingokit.Kavelo.desktop" ||
    fail "the caller's desktop entry does not start it in its program folder"

step "desktop entries and metadata pass the desktop's validators"
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net --explain "$prefix"/share/metainfo/*.metainfo.xml

step "the caller, started from another folder, finds its cues and clips"
mkdir -p "$work/elsewhere"
(
    cd "$work/elsewhere"
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="kavelo.files.debug=true" \
        exec "$prefix/bin/kavelo" >"$work/caller.log" 2>&1
) &
pids+=($!)
program_dir="$prefix/lib/bingo-kit"
wait_for 20 grep -q "clip opened: \"$program_dir/COUNT16.AVI\"" "$work/caller.log" ||
    fail "the caller did not open its still clip: $(cat "$work/caller.log")"
grep -q -E "cue found(, no audio output)?: \"$program_dir/wave/file.wav\"" "$work/caller.log" ||
    fail "the caller did not find its opening cue: $(cat "$work/caller.log")"
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true

step "its Sheet button starts the installed sheet program"
start_xvfb
(
    cd "$work/elsewhere"
    QT_QPA_PLATFORM=xcb exec "$prefix/bin/kavelo" >"$work/caller-x.log" 2>&1
) &
pids+=($!)
caller_window=""
find_caller() { caller_window=$(xdotool search --onlyvisible --name '^BINGO$' | head -n 1); [ -n "$caller_window" ]; }
wait_for 20 find_caller || fail "the caller's window did not appear: $(cat "$work/caller-x.log")"
# The Sheet button's centre: dialog units (217, 149) at base units 7 by 12.
xdotool mousemove --window "$caller_window" 380 224 click 1
wait_for 20 xdotool search --onlyvisible --name '^BINGOSHEET$' ||
    fail "the sheet program's setup dialog did not appear"
pgrep -f "^$program_dir/bingo" >/dev/null || fail "no sheet program started from the program folder"
sheet_dir=$(readlink "/proc/$(pgrep -f "^$program_dir/bingo" | head -n 1)/cwd")
[ "$sheet_dir" = "$program_dir" ] || fail "the sheet program runs in $sheet_dir, not the caller's folder"

step "--help names the programs as they are typed, not by the launchers' paths"
# In English, where Qt writes the usage line as quoted here.
english="env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=en_GB.UTF-8"
[ "$($english "$prefix/bin/kavelo" --help | head -n 1)" = "Usage: kavelo [options]" ] ||
    fail "kavelo --help: $($english "$prefix/bin/kavelo" --help | head -n 1)"
[ "$($english "$prefix/bin/bingo" --help | head -n 1)" = "Usage: bingo [options] [file]" ] ||
    fail "bingo --help: $($english "$prefix/bin/bingo" --help | head -n 1)"

step "the installed sheet program exports a PDF"
"$prefix/bin/bingo" --sheets 10 --top 50 --color red --seed 7 --pdf "$work/elsewhere/sheets.pdf"
pages=$(pdfinfo "$work/elsewhere/sheets.pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" = 2 ] || fail "expected 2 pages, got '$pages'"
pdftotext "$work/elsewhere/sheets.pdf" - | grep -q '★' || fail "the PDF holds no star"

step "nothing is left running"
for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
done
pkill -f "^$program_dir/" 2>/dev/null || true
wait_for 5 sh -c "! pgrep -f '^$prefix/'" || fail "processes of the kit are still running"
pids=()
