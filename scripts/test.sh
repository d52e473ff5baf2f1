#!/usr/bin/env bash
# Checks the includes between folders (scripts/check_layers.py), installs what
# is missing, checks the C++ formatting (scripts/check_format.sh), builds
# everything with warnings as errors, and runs every test.
# Where clang is installed, the fuzz targets are built too and each runs for a
# few seconds first (fuzz/run.sh; skipped without clang or libFuzzer); a
# finding fails the run after the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
python3 scripts/check_layers.py
scripts/setup.sh
scripts/check_format.sh
scripts/build.sh -DNORVA_BUILD_TESTS=ON -DNORVA_WERROR=ON
fuzz_status=0
fuzz/run.sh 5 || fuzz_status=$?
cd build
ctest --output-on-failure -j "$(nproc)"
exit "$fuzz_status"
