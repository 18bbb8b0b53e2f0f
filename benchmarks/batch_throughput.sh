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

# Best of $runs runs: "wall cpu" in seconds (cpu = user + system time of the
# program, which stays honest when other work shares the machine).
best_time() {
  local best_wall="" best_cpu="" start end wall cpu times
  local TIMEFORMAT="%U %S"
  for ((r = 0; r < runs; r++)); do
    start=$(date +%s.%N)
    times=$({ time "$@" <"$work/cases.txt" >"$work/out.csv"; } 2>&1)
    end=$(date +%s.%N)
    wall=$(LC_ALL=C awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
    cpu=$(LC_ALL=C awk -v t="$times" 'BEGIN { split(t, p, " "); printf "%.4f", p[1] + p[2] }')
    if [ -z "$best_wall" ] || LC_ALL=C awk -v t="$wall" -v b="$best_wall" 'BEGIN { exit !(t < b) }'; then
      best_wall=$wall
    fi
    if [ -z "$best_cpu" ] || LC_ALL=C awk -v t="$cpu" -v b="$best_cpu" 'BEGIN { exit !(t < b) }'; then
      best_cpu=$cpu
    fi
  done
  echo "$best_wall $best_cpu"
}

batch=$(best_time "$kelvane" --batch)
rows=$(($(wc -l <"$work/out.csv") - 1))
solved=$(grep -c ',Solved$' "$work/out.csv" || true)
io=$(best_time "$floor")

LC_ALL=C awk -v n="$lines" -v b="$batch" -v f="$io" -v rows="$rows" -v solved="$solved" 'BEGIN {
  split(b, bt, " "); split(f, ft, " ")
  printf "lines: %d (%d rows out, %d solved), best of runs\n", n, rows, solved
  printf "                 wall s   lines/s     cpu s   lines/s\n"
  printf "kelvane --batch  %6.3f %9.0f    %6.3f %9.0f\n", bt[1], n / bt[1], bt[2], n / bt[2]
  printf "I/O floor        %6.3f %9.0f    %6.3f %9.0f\n", ft[1], n / ft[1], ft[2], n / ft[2]
  printf "batch / floor    %6.2f              %6.2f\n", bt[1] / ft[1], bt[2] / ft[2]
}'
