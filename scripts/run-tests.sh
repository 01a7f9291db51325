#!/usr/bin/env bash
# Installs what is missing, builds the programs and the tests with the given preset (test by
# default: the dev build with line tables for debug information, unity builds and the gold
# linker, so that it is quick to make; the benchmarks are left out) and runs every test
# headless, three at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-test}
scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
