#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test. Where clang
# is installed, the fuzz targets are built too and each runs for a few seconds
# first (fuzz/run.sh; skipped without clang or libFuzzer); a finding fails the
# run after the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DNORVA_BUILD_TESTS=ON
fuzz_status=0
fuzz/run.sh 5 || fuzz_status=$?
cd build
ctest --output-on-failure -j "$(nproc)"
exit "$fuzz_status"
