#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one for
# SECONDS (default 5) on its seed corpus in fuzz/corpus/<target> plus the inputs
# earlier runs found (build-fuzz/fuzz/found/<target>). Without clang or
# libFuzzer it says so and exits 0; a finding (crash, hang, leak, abort) ends it
# with the reproducer in build-fuzz/fuzz/ and a non-zero status.
# The seed is fixed (FUZZ_SEED, default 1), so a short run walks the same
# inputs every time: the test command stays repeatable.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:-5}
shift || true

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ not found, fuzz targets skipped"
  exit 0
fi
out=build-fuzz/fuzz
rm -f "$out/targets.txt"  # written again only when the targets can be built
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DNORVA_BUILD_FUZZ=ON \
  -DNORVA_BUILD_TESTS=OFF -DNORVA_BUILD_BENCH=OFF >/dev/null
if [ ! -f "$out/targets.txt" ]; then
  echo "fuzz: libFuzzer cannot be built here, fuzz targets skipped"
  exit 0
fi
cmake --build build-fuzz --target norva_fuzz

targets=("$@")
((${#targets[@]})) || mapfile -t targets < "$out/targets.txt"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
status=0
for t in "${targets[@]}"; do
  found="$out/found/${t#fuzz_}"
  mkdir -p "$found"
  log="$out/$t.log"
  if "$out/$t" -max_total_time="$secs" -seed="${FUZZ_SEED:-1}" -timeout=25 -rss_limit_mb=2048 -max_len=65536 \
       -print_final_stats=1 -artifact_prefix="$out/$t-" \
       "$found" "fuzz/corpus/${t#fuzz_}" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz: $t ran ${runs:-?} inputs in ${secs} s, no finding"
  else
    echo "fuzz: $t FOUND A FAULT (log: $log)"
    tail -n 40 "$log"
    status=1
  fi
done
exit $status
