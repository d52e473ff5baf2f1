#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DNORVA_BUILD_TESTS=ON
cd build
ctest --output-on-failure -j "$(nproc)"
