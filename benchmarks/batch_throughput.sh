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
runs=${3:-15}
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

# One run: "wall cpu" in seconds (cpu = user + system time of the program,
# which stays honest when other work shares the machine).
time_once() {
  local start end times
  local TIMEFORMAT="%U %S"
  start=$(date +%s.%N)
  times=$({ time "$@" <"$work/cases.txt" >"$work/out.csv"; } 2>&1)
  end=$(date +%s.%N)
  LC_ALL=C awk -v a="$start" -v b="$end" -v t="$times" \
    'BEGIN { split(t, p, " "); printf "%.4f %.4f\n", b - a, p[1] + p[2] }'
}

# The two programs take turns, so that a change in the machine's speed during
# the run (other work, a virtual machine's neighbours) falls on both alike: the
# ratio is the median of the ratios of each pair of turns.
for ((r = 0; r < runs; r++)); do
  batch=$(time_once "$kelvane" --batch)
  if [ "$r" -eq 0 ]; then
    rows=$(($(wc -l <"$work/out.csv") - 1))
    solved=$(grep -c ',Solved$' "$work/out.csv" || true)
  fi
  echo "$batch $(time_once "$floor")"
done >"$work/times.txt"

# Column $1 of the turns, sorted: "median lowest highest".
spread() {
  LC_ALL=C awk '{ print $1 / $3, $2 / $4 }' "$work/times.txt" | cut -d' ' -f"$1" | LC_ALL=C sort -g |
    LC_ALL=C awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[1], v[NR] }'
}

LC_ALL=C awk -v n="$lines" -v rows="$rows" -v solved="$solved" -v wall="$(spread 1)" \
  -v cpu="$(spread 2)" '
  function min(a, b) { return a == "" || b < a ? b : a }
  { bw = min(bw, $1); bc = min(bc, $2); fw = min(fw, $3); fc = min(fc, $4) }
  END {
    split(wall, w, " "); split(cpu, c, " ")
    printf "lines: %d (%d rows out, %d solved), %d turns each\n", n, rows, solved, NR
    printf "best turn        wall s   lines/s     cpu s   lines/s\n"
    printf "kelvane --batch  %6.3f %9.0f    %6.3f %9.0f\n", bw, n / bw, bc, n / bc
    printf "I/O floor        %6.3f %9.0f    %6.3f %9.0f\n", fw, n / fw, fc, n / fc
    printf "batch / floor, median of the turns: wall %.2f (%.2f to %.2f), cpu %.2f (%.2f to %.2f)\n",
           w[1], w[2], w[3], c[1], c[2], c[3]
  }' "$work/times.txt"
