#!/usr/bin/env bash
# Every script and program of the project answers --help with its usage and exit status 0, and
# refuses an option it does not know with a message on stderr and a nonzero status, in both cases
# without starting any work: nothing is written where it runs, and none of the tools its work
# would start (cmake, apt-get, Xvfb, mktemp...) is called: stand-ins for them note any call.
# Usage: help_test.sh SOURCE_DIR [PROGRAM...]     (the built programs to check besides the scripts)
set -euo pipefail
source_dir=$1
shift
programs=()
for program in "$@"; do [ -n "$program" ] && programs+=("$program"); done  # a program not built is ""
scripts=(scripts/deps scripts/run scripts/test scripts/fuzz scripts/screenshots bench/before_after.sh bench/exit_bench.sh
         bench/tree_bench.sh bench/odd_class_names.sh bench/windows_bench.sh tests/ui/qt/desktop_exit_test.sh)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/stand-ins" "$work/cwd"
for tool in cmake ctest ninja apt-get sudo dpkg-query Xvfb xdotool openbox git ctags universal-ctags wine64 \
            convert mktemp; do
  printf '#!/bin/sh\necho "%s $*" >>"%s"\nexit 1\n' "$tool" "$work/calls" >"$work/stand-ins/$tool"
  chmod +x "$work/stand-ins/$tool"
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs one command in the empty folder with the stand-ins first on PATH; judges the exit status
# (0 or nonzero), what it printed, and what it left behind.
check() {
  local want=$1 stream=$2 label=$3
  shift 3
  local status=0
  (cd "$work/cwd" && PATH="$work/stand-ins:$PATH" "$@" >"$work/out" 2>"$work/err" </dev/null) || status=$?
  if [ "$want" = 0 ] && [ "$status" != 0 ]; then fail "$label: exit status $status, not 0"; fi
  if [ "$want" != 0 ] && [ "$status" = 0 ]; then fail "$label: exit status 0"; fi
  [ -s "$work/$stream" ] || fail "$label: nothing on std$stream"
  if [ -n "$(ls -A "$work/cwd")" ]; then
    fail "$label: left $(ls -A "$work/cwd" | head -n 3 | tr '\n' ' ')"
    rm -rf "${work:?}/cwd" && mkdir "$work/cwd"
  fi
  if [ -s "$work/calls" ]; then
    fail "$label: started work: $(head -n 3 "$work/calls" | tr '\n' ';')"
    : >"$work/calls"
  fi
  return 0
}

for script in "${scripts[@]}"; do
  check 0 out "$script --help" bash "$source_dir/$script" --help
  check 1 err "$script --bogus" bash "$source_dir/$script" --bogus
  grep -q -- --bogus "$work/err" || fail "$script --bogus: the message does not name the option"
done
for program in "${programs[@]}"; do
  name=${program##*/}
  check 0 out "$name --help" "$program" --help
  check 1 err "$name --bogus" "$program" --bogus
  grep -q -- --bogus "$work/err" || fail "$name --bogus: the message does not name the option"
done
# Nothing named after an option appeared beside the scripts, which work from the source folder.
leftovers=$(find "$source_dir" -maxdepth 2 \( -name --help -o -name --bogus \) -print)
[ -z "$leftovers" ] || fail "left in the source folder: $leftovers"

checked=$((${#scripts[@]} + ${#programs[@]}))
echo "$((checked - failures)) of $checked checked, $failures failed"
[ "$failures" = 0 ]
