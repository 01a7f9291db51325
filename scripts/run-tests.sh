#!/usr/bin/env bash
# Installs what is missing, builds with the given preset (dev by default) and runs every test
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
