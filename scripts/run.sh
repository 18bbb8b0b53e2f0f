#!/usr/bin/env bash
# Installs, builds and starts the calculator; arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVANE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
exec "$build/program/kelvane" "$@"
