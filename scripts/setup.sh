#!/usr/bin/env bash
# Installs the build and test dependencies (Debian) when any is missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ clang-format qt6-base-dev qt6-svg-dev libgtest-dev libbenchmark-dev
      fonts-ipafont-mincho fonts-ipafont-gothic xvfb xauth poppler-utils libreoffice-writer-nogui
      libreoffice-calc-nogui
      qt6-translations-l10n)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
