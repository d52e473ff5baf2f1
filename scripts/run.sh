#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program (under Xvfb when
# there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DNORVA_BUILD_TESTS=OFF
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a build/bin/NorvaV4 "$@"
fi
exec build/bin/NorvaV4 "$@"
