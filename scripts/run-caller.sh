#!/usr/bin/env bash
# Installs what is missing, builds the release preset's two programs with their cues and clips
# (not the tests) and starts the caller in the program folder, where its "wave" folder, the
# clips and the sheet program lie.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target Kavelo bingo
cd build/release/program
exec ./Kavelo "$@"
