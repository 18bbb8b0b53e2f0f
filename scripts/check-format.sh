#!/usr/bin/env bash
# Fails, naming each place, when a C++ file of the project differs from what
# .clang-format makes of it. CI runs it first; `cmake --build build --target format`
# applies the formatting.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is missing (scripts/install-deps.sh)" >&2; exit 2; }
find src tests benchmarks examples fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
  sort -z | xargs -0 clang-format --dry-run -Werror
