#!/usr/bin/env bash
# Installs what is missing, builds the programs and the tests with the given preset (dev by
# default; the benchmarks are left out) and runs every test headless, three at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
