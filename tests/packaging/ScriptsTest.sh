#!/usr/bin/env bash
# ScriptsTest.sh SOURCE_DIR
#
# The set-up scripts as a new user meets them, with every package installed:
#  - install-deps.sh runs twice as a user who is neither root nor allowed sudo,
#    with apt-get and sudo replaced by commands that fail and note the call;
#    both runs succeed and call neither;
#  - the tools the program and its tests start come from listed packages;
#  - run.sh builds the program alone, then starts it with its arguments.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A command on PATH that notes its arguments in $work/calls and ends with `status`.
shim() {
  local folder=$1 name=$2 status=$3
  mkdir -p "$folder"
  printf '#!/bin/sh\necho "%s $*" >> "%s/calls"\nexit %s\n' "$name" "$work" "$status" \
    > "$folder/$name"
  chmod +x "$folder/$name"
}

# --- install-deps.sh, twice, as a user without root and without sudo ---------
user_bin=$work/user-bin
shim "$user_bin" apt-get 100
shim "$user_bin" sudo 1
# `id -u` answers as an ordinary user would.
printf '#!/bin/sh\n[ "$1" = -u ] && { echo 1000; exit 0; }\nexec /usr/bin/id "$@"\n' \
  > "$user_bin/id"
chmod +x "$user_bin/id"
for run in first second; do
  rm -f "$work/calls"
  if ! PATH=$user_bin:$PATH "$source_dir/scripts/install-deps.sh" > "$work/out" 2>&1; then
    fail "install-deps.sh failed on its $run run: $(cat "$work/out")"
  fi
  if [ -s "$work/calls" ]; then
    fail "install-deps.sh called on its $run run: $(tr '\n' ';' < "$work/calls")"
  fi
done

# --- the tools the program and the tests start come from listed packages -------
listed=$("$source_dir/scripts/install-deps.sh" --list)
for tool in xdg-open xdg-email xprop Xvfb xauth pdftotext desktop-file-validate; do
  path=$(command -v "$tool" || true)
  if [ -z "$path" ]; then
    fail "$tool is not installed"
    continue
  fi
  package=$(dpkg-query -S "$(readlink -f "$path")" 2>/dev/null | head -n 1 | cut -d: -f1 || true)
  if [ -z "$package" ] || ! grep -qx "$package" <<< "$listed"; then
    fail "$tool comes from package '${package:-?}', which install-deps.sh does not list"
  fi
done

# --- run.sh builds the program's target alone before starting it ---------------
build=$work/build
mkdir -p "$build/program"
printf '#!/bin/sh\necho "kelvane $*" >> "%s/calls"\n' "$work" > "$build/program/kelvane"
chmod +x "$build/program/kelvane"
run_bin=$work/run-bin
shim "$run_bin" cmake 0
shim "$run_bin" apt-get 100
shim "$run_bin" sudo 1
rm -f "$work/calls"
if ! PATH=$run_bin:$PATH KELVANE_BUILD_DIR=$build "$source_dir/scripts/run.sh" 1 20 > "$work/out" 2>&1
then
  fail "run.sh failed: $(cat "$work/out")"
fi
builds=$(grep -c '^cmake --build' "$work/calls" || true)
if [ "$builds" != 1 ] || ! grep -q '^cmake --build .* --target kelvane\( \|$\)' "$work/calls"; then
  fail "run.sh should build the kelvane target alone; it ran: $(tr '\n' ';' < "$work/calls")"
fi
if [ "$(tail -n 1 "$work/calls")" != "kelvane 1 20" ]; then
  fail "run.sh should end by starting the program with its arguments; it ran: $(tr '\n' ';' < "$work/calls")"
fi

[ "$failures" -eq 0 ] || exit 1
echo "install-deps.sh and run.sh behave"
