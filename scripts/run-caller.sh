#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts the caller in the program
# folder, where its "wave" folder, the clips and the sheet program lie.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
cd build/release/program
exec ./Kavelo "$@"
