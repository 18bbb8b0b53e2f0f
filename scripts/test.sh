#!/usr/bin/env bash
# Installs, builds and runs every test. Extra arguments go to the CMake configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVANE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" "$@"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
