#!/usr/bin/env bash
# Fails when the program's components include each other in a cycle. A
# component is a header with its source (Main.h and Main.cpp); it depends on
# every component whose header it includes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/src"
declare -A known
for header in */*.h */*/*.h; do
  [ -e "$header" ] && known[$(basename "$header" .h)]=1
done
edges=$(
  for file in */*.h */*.cpp */*/*.h */*/*.cpp; do
    [ -e "$file" ] || continue
    from=$(basename "${file%.*}")
    sed -n 's/^#include "\([^"]*\)\.h".*/\1/p' "$file" | while read -r to; do
      to=$(basename "$to")
      if [ "$to" != "$from" ] && [ -n "${known[$to]:-}" ]; then
        echo "$from $to"
      fi
    done
  done | sort -u
)
if ! errors=$(tsort <<<"$edges" 2>&1 >/dev/null) || [ -n "$errors" ]; then
  echo "components that include each other in a cycle:" >&2
  echo "$errors" >&2
  exit 1
fi
echo "no cycle between components"
