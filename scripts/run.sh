#!/usr/bin/env bash
# Installs, builds the calculator alone and starts it; arguments go to the program.
# Tests, benchmarks and examples are left for scripts/build.sh and scripts/test.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVANE_BUILD_DIR:-$root/build}
KELVANE_BUILD_TARGETS=kelvane "$root/scripts/build.sh"
exec "$build/program/kelvane" "$@"
