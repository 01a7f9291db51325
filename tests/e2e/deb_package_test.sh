#!/usr/bin/env bash
# Builds the Debian package from a built folder, installs it with apt as an operator would,
# uses the installed kit (the caller finds its cues and clips, the sheet program exports a
# PDF), then purges it and checks that none of its files is left. Installing into /usr needs
# root; elsewhere the test says why it skipped and exits with the skip status 77.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

build_dir=$1
skip() {
    echo "SKIPPED: $*"
    exit 77
}
[ -z "${KIT_DEB_TEST_SKIP:-}" ] || skip "$KIT_DEB_TEST_SKIP"
[ "$(id -u)" -eq 0 ] || skip "installing the package into /usr needs root"
package_state() { # dpkg's state of bingo-kit; empty when dpkg never heard of it
    dpkg-query -W -f='${db:Status-Status}' bingo-kit 2>/dev/null || true
}
case $(package_state) in
"" | not-installed) ;;
*) skip "bingo-kit is already on this machine ($(package_state)) and is left as it is" ;;
esac

work=$(mktemp -d)
# apt reads the package as its unprivileged user.
chmod 755 "$work"
installed=0

cleanup() {
    stop_started
    if [ "$installed" = 1 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq bingo-kit >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

step "build the package"
(cd "$build_dir" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$(echo "$work"/out/bingo-kit_*_"$arch".deb)
[ -f "$deb" ] || fail "no bingo-kit_<version>_$arch.deb in $(ls "$work/out")"
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "bingo-kit_${version}_$arch.deb" ] || fail "package file named $(basename "$deb")"

step "lintian finds no error and no warning"
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.log")"

step "its dependencies are what the kit runs with, nothing the build alone needs"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libc6 qt6-qpa-plugins \
    libqt6svg6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-ipafont-gothic \
    fonts-liberation qt6-translations-l10n; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
build_only=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }' |
    grep -E -- '-dev$|-dev-tools$|^(cmake|ninja-build|g\+\+|gcc|clang|build-essential)$' || true)
[ -z "$build_only" ] || fail "Depends names build-only packages: $build_only"

step "install it with apt"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" \
    >"$work/apt-install.log" 2>&1 || fail "apt-get install failed: $(cat "$work/apt-install.log")"
installed=1
dpkg-query -L bingo-kit >"$work/files.txt"

step "it lays out the kit under /usr"
for path in /usr/bin/kavelo /usr/bin/bingo /usr/lib/bingo-kit/Kavelo /usr/lib/bingo-kit/bingo \
    /usr/lib/bingo-kit/COUNT16.AVI /usr/lib/bingo-kit/wave/count16.AVI \
    /usr/lib/bingo-kit/wave/file.wav /usr/lib/bingo-kit/wave/start.wav \
    /usr/lib/bingo-kit/wave/stop.wav /usr/lib/bingo-kit/wave/clear.wav \
    /usr/share/applications/io.github.bingokit.Kavelo.desktop \
    /usr/share/applications/io.github.bingokit.Bingo.desktop \
    /usr/share/icons/hicolor/scalable/apps/io.github.bingokit.Kavelo.svg \
    /usr/share/icons/hicolor/scalable/apps/io.github.bingokit.Bingo.svg \
    /usr/share/metainfo/io.github.bingokit.Kavelo.metainfo.xml \
    /usr/share/metainfo/io.github.bingokit.Bingo.metainfo.xml \
    /usr/share/doc/bingo-kit/copyright /usr/share/doc/bingo-kit/changelog.gz \
    /usr/share/man/man1/kavelo.1.gz /usr/share/man/man1/bingo.1.gz; do
    grep -qx "$path" "$work/files.txt" || fail "the package does not hold $path"
    [ -f "$path" ] || fail "$path is not installed"
done
outside=$(grep -v -E '^/usr(/|$)|^/\.$' "$work/files.txt" || true)
[ -z "$outside" ] || fail "the package installs outside /usr: $outside"
grep -qx "Exec=/usr/lib/bingo-kit/Kavelo" /usr/share/applications/io.github.bingokit.Kavelo.desktop ||
    fail "the caller's desktop entry does not start the installed caller"
head -n 1 /usr/share/doc/bingo-kit/copyright |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
zcat /usr/share/doc/bingo-kit/changelog.gz | head -n 1 | grep -q "^bingo-kit ($version) " ||
    fail "the changelog does not start with version $version"

step "the installed caller, started from another folder, finds its cues and clips"
mkdir -p "$work/elsewhere"
(
    cd "$work/elsewhere"
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="kavelo.files.debug=true" \
        exec kavelo >"$work/caller.log" 2>&1
) &
pids+=($!)
wait_for 20 grep -q 'clip opened: "/usr/lib/bingo-kit/COUNT16.AVI"' "$work/caller.log" ||
    fail "the caller did not open its still clip: $(cat "$work/caller.log")"
grep -q -E 'cue found(, no audio output)?: "/usr/lib/bingo-kit/wave/file.wav"' "$work/caller.log" ||
    fail "the caller did not find its opening cue: $(cat "$work/caller.log")"
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true
pids=()

step "the installed sheet program exports a PDF"
(cd "$work/elsewhere" && bingo --sheets 17 --top 75 --color green --seed 3 --pdf sheets.pdf)
pages=$(pdfinfo "$work/elsewhere/sheets.pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" = 3 ] || fail "17 sheets at eight to a page should make 3 pages, got '$pages'"
pdftotext "$work/elsewhere/sheets.pdf" - | grep -q '★' || fail "the PDF holds no star"

step "apt-get purge leaves none of its files"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq bingo-kit >"$work/apt-purge.log" 2>&1 ||
    fail "apt-get purge failed: $(cat "$work/apt-purge.log")"
installed=0
case $(package_state) in
"" | not-installed) ;;
*) fail "bingo-kit is $(package_state) after the purge" ;;
esac
left=()
while IFS= read -r path; do
    # Directories other packages share (/usr/bin, /usr/share/man/man1) stay; the kit's own go.
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        case "$path" in
        /usr/lib/bingo-kit* | /usr/share/doc/bingo-kit*) left+=("$path") ;;
        esac
    elif [ -e "$path" ] || [ -L "$path" ]; then
        left+=("$path")
    fi
done <"$work/files.txt"
[ ${#left[@]} -eq 0 ] || fail "left after the purge: ${left[*]}"
echo "the package installed, worked and was purged without a trace"
