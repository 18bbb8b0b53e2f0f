#!/usr/bin/env bash
# Installs what is missing, configures and builds into ./build (or $KELVANE_BUILD_DIR).
# Extra arguments go to the CMake configure step. $KELVANE_BUILD_TARGETS, when set,
# names the targets to build instead of all of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVANE_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja "$@"
targets=()
for target in ${KELVANE_BUILD_TARGETS:-}; do
  targets+=(--target "$target")
done
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
