#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ (or $KELVANE_FUZZ_BUILD_DIR)
# and runs each over its seed corpus for a fixed number of runs ($FUZZ_RUNS, default
# 20000). Arguments name the targets to run (default: all). Crash inputs land in
# build-fuzz/fuzz/findings/<target>/; the script fails when any target finds one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}
runs=${FUZZ_RUNS:-20000}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(cd "$root/fuzz/corpus" && ls))

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DKELVANE_FUZZ=ON \
  -DKELVANE_BENCHMARKS=OFF -DKELVANE_EXAMPLES=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
failed=0
for t in "${targets[@]}"; do
  findings=$build/fuzz/findings/$t
  work=$build/fuzz/work/$t
  mkdir -p "$findings" "$work"
  echo "== $t: $runs runs"
  # New inputs go to a scratch corpus; the committed seeds stay as they are. Undefined
  # behaviour stops the run like a crash, so its input is kept as a finding.
  if ! HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
       QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
       UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
       "$build/fuzz/$t" -runs="$runs" -max_len=4096 -timeout=10 \
       -artifact_prefix="$findings/" "$work" "$root/fuzz/corpus/$t" 2>"$work.log"; then
    echo "   FAILED: see $work.log and $findings/"
    tail -n 30 "$work.log"
    failed=1
  else
    tail -n 1 "$work.log"
  fi
done
exit $failed
