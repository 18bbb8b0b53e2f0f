#!/usr/bin/env bash
# Installs, builds with AddressSanitizer and UndefinedBehaviorSanitizer into ./build-asan
# (or $KELVANE_ASAN_BUILD_DIR) and runs every test there. The benchmarks are left out:
# no test runs them, and they would only lengthen the build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
KELVANE_BUILD_DIR=${KELVANE_ASAN_BUILD_DIR:-$root/build-asan} exec "$root/scripts/test.sh" \
  -DKELVANE_SANITIZE=ON -DKELVANE_BENCHMARKS=OFF -DKELVANE_EXAMPLES=ON
