#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program (under Xvfb when
# there is no display). Without arguments it opens a sample design.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DNORVA_BUILD_TESTS=OFF
args=("$@")
if [ ${#args[@]} -eq 0 ]; then
  args=("$PWD/examples/gravity.nrv")
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop session: NorvaV4 runs on a virtual display (Xvfb) where it cannot be seen; stop it with Ctrl+C." >&2
  exec xvfb-run -a build/bin/NorvaV4 "${args[@]}"
fi
exec build/bin/NorvaV4 "${args[@]}"
