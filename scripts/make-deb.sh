#!/usr/bin/env bash
# Installs what is missing, builds the release preset's two programs with their cues and clips,
# and packages them as build/release/bingo-kit_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target Kavelo bingo
cd build/release
cpack -G DEB
echo "package: $PWD/$(ls -t bingo-kit_*.deb | head -n 1)"
