#!/usr/bin/env bash
# Installs the Debian 12 packages Kelvane needs to build, run and test.
# Packages already present are left alone, so a second run costs only the check.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-svg-dev
  libgl-dev libxkbcommon-dev
  libpugixml-dev libsimpleini-dev
  libbenchmark-dev
  poppler-utils xvfb xauth time desktop-file-utils
  clang clang-format libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
