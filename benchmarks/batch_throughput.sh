#!/usr/bin/env bash
# Times "kelvane --batch" against its I/O floor (kelvane_batch_floor: the same
# reading, splitting, parsing and CSV writing without solving) on three inputs
# of generated case lines: cases that solve, cases without a solution, and the
# two mixed line by line. Both programs are single-threaded.
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

# Lines of one kind: "solved" cycles the six methods' masks around the initial
# case; "failing" cycles three faults (no cold flow divides the duty by a zero
# capacity rate, equal hot temperatures with no Uo size the exchanger by 0/0,
# a huge hot flow overflows the duty); "mixed" takes the two in turn.
generate() {
  LC_ALL=C awk -v n="$lines" -v kind="$1" '
    function solved(i, thi) {
      split("111 219 237 511 125 0", masks, " ")
      printf "Kelvane,0,%.3f,12,1,1,6,13,0.8,%d,37,38,23.529,%d\n", thi, i % 5, masks[i % 6 + 1]
    }
    function failing(i, thi) {
      if (i % 3 == 0)
        printf "Kelvane,0,%.3f,12,1,1,6,13,0,%d,37,38,23.529,111\n", thi, i % 5
      else if (i % 3 == 1)
        printf "Kelvane,0,%.3f,%.3f,1,1,6,13,0.8,%d,0,38,23.529,111\n", thi, thi, i % 5
      else
        printf "Kelvane,0,%.3f,12,1e308,1,6,13,0.8,%d,37,38,23.529,111\n", thi, i % 5
    }
    BEGIN {
      for (i = 0; i < n; i++) {
        thi = 30 + (i % 400) * 0.025
        if (kind == "solved" || (kind == "mixed" && i % 2 == 0))
          solved(i, thi)
        else
          failing(i, thi)
      }
    }'
}

# One run: "wall cpu" in seconds (cpu = user + system time of the program,
# which stays honest when other work shares the machine).
time_once() {
  local input=$1 start end times
  shift
  local TIMEFORMAT="%U %S"
  start=$(date +%s.%N)
  times=$({ time "$@" <"$input" >"$work/out.csv"; } 2>&1)
  end=$(date +%s.%N)
  LC_ALL=C awk -v a="$start" -v b="$end" -v t="$times" \
    'BEGIN { split(t, p, " "); printf "%.4f %.4f\n", b - a, p[1] + p[2] }'
}

# Column $1 of the turns in file $2, sorted: "median lowest highest".
spread() {
  LC_ALL=C awk '{ print $1 / $3, $2 / $4 }' "$2" | cut -d' ' -f"$1" | LC_ALL=C sort -g |
    LC_ALL=C awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[1], v[NR] }'
}

# The two programs take turns, so that a change in the machine's speed during
# the run (other work, a virtual machine's neighbours) falls on both alike: the
# ratio is the median of the ratios of each pair of turns.
measure() {
  local kind=$1 input=$work/$1.txt times=$work/$1.times rows solved
  generate "$kind" >"$input"
  for ((r = 0; r < runs; r++)); do
    batch=$(time_once "$input" "$kelvane" --batch)
    if [ "$r" -eq 0 ]; then
      rows=$(($(wc -l <"$work/out.csv") - 1))
      solved=$(grep -c ',Solved$' "$work/out.csv" || true)
    fi
    echo "$batch $(time_once "$input" "$floor")"
  done >"$times"
  LC_ALL=C awk -v kind="$kind" -v n="$lines" -v rows="$rows" -v solved="$solved" \
    -v wall="$(spread 1 "$times")" -v cpu="$(spread 2 "$times")" '
    function min(a, b) { return a == "" || b < a ? b : a }
    { bw = min(bw, $1); bc = min(bc, $2); fw = min(fw, $3); fc = min(fc, $4) }
    END {
      split(wall, w, " "); split(cpu, c, " ")
      printf "%s: %d lines (%d rows out, %d solved), %d turns each\n", kind, n, rows, solved, NR
      printf "  best turn        wall s   lines/s     cpu s   lines/s\n"
      printf "  kelvane --batch  %6.3f %9.0f    %6.3f %9.0f\n", bw, n / bw, bc, n / bc
      printf "  I/O floor        %6.3f %9.0f    %6.3f %9.0f\n", fw, n / fw, fc, n / fc
      printf "  batch / floor, median of the turns: wall %.2f (%.2f to %.2f), cpu %.2f (%.2f to %.2f)\n",
             w[1], w[2], w[3], c[1], c[2], c[3]
    }' "$times"
}

for kind in solved failing mixed; do
  measure "$kind"
done
