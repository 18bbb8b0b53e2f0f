#!/usr/bin/env bash
# Times "kelvane --batch" against its I/O floor (kelvane_batch_floor: the same
# reading, splitting, parsing and CSV writing without solving) on the same
# generated case lines, in the same run. Both are single-threaded.
#
#   benchmarks/batch_throughput.sh [BUILD_DIR] [LINES] [RUNS]
#
# BUILD_DIR defaults to ./build; it must hold the targets kelvane and
# kelvane_batch_floor (cmake --build BUILD_DIR --target kelvane kelvane_batch_floor).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
lines=${2:-1000000}
runs=${3:-3}
kelvane=$build/program/kelvane
floor=$build/benchmarks/kelvane_batch_floor
for program in "$kelvane" "$floor"; do
  [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Cases around the initial case, cycling through the six methods' masks.
LC_ALL=C awk -v n="$lines" 'BEGIN {
  split("111 219 237 511 125 0", masks, " ")
  for (i = 0; i < n; i++) {
    thi = 30 + (i % 400) * 0.025
    printf "Kelvane,0,%.3f,12,1,1,6,13,0.8,%d,37,38,23.529,%d\n", thi, i % 5, masks[i % 6 + 1]
  }
}' >"$work/cases.txt"

# Best wall time of $runs runs, in seconds.
best_time() {
  local best="" start end t
  for ((r = 0; r < runs; r++)); do
    start=$(date +%s.%N)
    "$@" <"$work/cases.txt" >"$work/out.csv"
    end=$(date +%s.%N)
    t=$(LC_ALL=C awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
    if [ -z "$best" ] || LC_ALL=C awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then
      best=$t
    fi
  done
  echo "$best"
}

batch=$(best_time "$kelvane" --batch)
rows=$(($(wc -l <"$work/out.csv") - 1))
solved=$(grep -c ',Solved$' "$work/out.csv" || true)
io=$(best_time "$floor")

LC_ALL=C awk -v n="$lines" -v b="$batch" -v f="$io" -v rows="$rows" -v solved="$solved" 'BEGIN {
  printf "lines:         %d (%d rows out, %d solved)\n", n, rows, solved
  printf "kelvane --batch: %.3f s  %9.0f lines/s\n", b, n / b
  printf "I/O floor:       %.3f s  %9.0f lines/s\n", f, n / f
  printf "batch / floor:   %.2f\n", b / f
}'
