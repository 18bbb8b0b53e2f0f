#!/usr/bin/env bash
# Installs the Debian 12 packages Kelvane needs to build, run and test.
# Packages already present are left alone: with everything installed the script
# changes nothing and needs neither root nor sudo. --list prints the packages.
set -euo pipefail

packages=(
  # Build
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
  libpugixml-dev libsimpleini-dev libbenchmark-dev
  # Run: Help and Email hand over to the desktop (xdg-open, xdg-email)
  xdg-utils
  # Tests: PDF text, desktop entry check, a virtual X display and its window titles
  poppler-utils desktop-file-utils xvfb xauth x11-utils time
  # Sanitizer and fuzz builds
  clang clang-format libclang-rt-14-dev
)

if [ "${1:-}" = --list ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

# Real package names only: a virtual one is never reported installed.
missing=()
for p in "${packages[@]}"; do
  [[ "$(dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null)" == *"install ok installed"* ]] ||
    missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo > /dev/null; then
    echo "install-deps.sh: these packages are missing: ${missing[*]}" >&2
    echo "Install them as root (apt-get install ${missing[*]}) and run this again." >&2
    exit 1
  fi
  as_root=(sudo)
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends "${missing[@]}"
