#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Usage: tools/setup/install-deps.sh [extra-package ...]
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache python3 clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  liberfa-dev
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgif-dev
  imagemagick poppler-utils libwmf-bin
  fontconfig fonts-dejavu-core
  desktop-file-utils shared-mime-info
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
