#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says
# (clang-format --dry-run). Run `scripts/check_format.sh --fix` to format them.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null 2>&1; then
  echo "format: clang-format not found" >&2
  exit 1
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  printf '%s\0' "${files[@]}" | xargs -0 -P "$(nproc)" -n 50 clang-format -i
  exit 0
fi
log=$(mktemp)
if ! printf '%s\0' "${files[@]}" | xargs -0 -P "$(nproc)" -n 50 clang-format --dry-run --Werror 2>"$log"; then
  grep -E '^[^ ].*(warning|error):' "$log" | head -20 >&2
  rm -f "$log"
  echo "format: files above differ from .clang-format (scripts/check_format.sh --fix)" >&2
  exit 1
fi
rm -f "$log"
echo "format: every C++ file matches .clang-format"
