#!/usr/bin/env bash
# Times the start of "kelvane --quit-after-start" (process start until the
# window is shown, solved, and the process has exited) against
# kelvane_minimal_window (an empty Qt Widgets window shown and closed), in the
# same run, taking turns, under the offscreen platform and under Xvfb.
# Reports the median wall time and the median peak resident memory (GNU time's
# %M, the kernel's maximum RSS of the process) of each and their ratios.
#
# A third program takes the same turns: kelvane_text_floor_window, the empty
# window with one short line of the main window's text in each of its fonts.
# What it costs over the empty window is what showing any text costs, a floor
# under the main window's own figures.
#
#   benchmarks/startup.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to ./build; it must hold the targets kelvane,
# kelvane_minimal_window and kelvane_text_floor_window (cmake --build BUILD_DIR
# --target kelvane kelvane_minimal_window kelvane_text_floor_window).
# All run with an empty temporary HOME and XDG folders, so the user's settings
# play no part and are not touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-15}
kelvane=$build/program/kelvane
minimal=$build/benchmarks/kelvane_minimal_window
text=$build/benchmarks/kelvane_text_floor_window
for program in "$kelvane" "$minimal" "$text" /usr/bin/time; do
  [ -x "$program" ] || { echo "missing $program: build it first (or install time)" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# One run: appends "wall_ms rss_kb" to $work/<name>.
measure() {
  local name=$1 start end
  shift
  start=$(date +%s%N)
  timeout 30 /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>"$work/stderr" || {
    echo "$name failed:" >&2
    cat "$work/stderr" >&2
    exit 1
  }
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(tail -n 1 "$work/rss")" >>"$work/$name"
}

median() { # column $2 of file $1
  sort -n -k "$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
    printf "%.3f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Runs the three programs in turns under the current platform and prints a table.
compare() {
  local label=$1
  rm -f "$work/kelvane" "$work/minimal" "$work/text"
  # One unmeasured run each, so all start from a warm file cache.
  measure warmup "$kelvane" --quit-after-start
  measure warmup "$minimal"
  measure warmup "$text"
  for ((r = 0; r < runs; r++)); do
    measure kelvane "$kelvane" --quit-after-start
    measure minimal "$minimal"
    measure text "$text"
  done
  LC_ALL=C awk -v label="$label" -v runs="$runs" \
    -v kt="$(median "$work/kelvane" 1)" -v mt="$(median "$work/minimal" 1)" \
    -v tt="$(median "$work/text" 1)" -v km="$(median "$work/kelvane" 2)" \
    -v mm="$(median "$work/minimal" 2)" -v tm="$(median "$work/text" 2)" 'BEGIN {
    printf "%s, median of %d runs           wall ms   peak RSS MiB\n", label, runs
    printf "  kelvane --quit-after-start       %8.1f   %8.1f\n", kt / 1000, km / 1024
    printf "  empty Qt window                  %8.1f   %8.1f\n", mt / 1000, mm / 1024
    printf "  kelvane / empty window           %8.2f   %8.2f\n", kt / mt, km / mm
    printf "  five lines of text / empty window %7.2f   %8.2f\n\n", tt / mt, tm / mm
  }'
}

QT_QPA_PLATFORM=offscreen compare "offscreen"

# Xvfb on a display it picks itself (-displayfd), no window manager.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb compare "Xvfb"
