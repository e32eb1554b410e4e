#!/usr/bin/env bash
# How long the desktop program outlives its window: opens it on every header with a class of a
# generated tree (9,000 headers, about 28,000 classes, by default) under a virtual X server,
# chooses "Quit" and reports the time from the window going to the process ending, RUNS times.
# (Headers without a class are left out: each would stop the start with its message.)
#
#   bench/exit_bench.sh [-b BUILD] [-n HEADERS] [-r RUNS]
#
# BUILD may be build-asan too; the tree itself is always made by the default build's generator.
set -euo pipefail
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$(dirname "$0")/.."
source bench/ScriptOptions.sh

build=build
headers=9000
runs=3
take_long_options "$@"
while getopts ":b:n:r:" option; do
  case $option in
    b) build=$OPTARG ;;
    n) headers=$OPTARG ;;
    r) runs=$OPTARG ;;
    :) fail "option -$OPTARG needs a value" ;;
    *) fail "unknown option -$OPTARG" ;;
  esac
done
shift $((OPTIND - 1))
[ $# -eq 0 ] || fail "unexpected argument $1"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
build/bin/varnwick-bench-make-tree "$tree" "$headers" $((headers / 5 + 1)) >/dev/null
mapfile -d '' files < <(grep -rlZ --include='*.h' '^class ' "$tree" | LC_ALL=C sort -z)
echo "$build/bin/varnwick on ${#files[@]} headers ($("$build/bin/varnwick-cli" classes -r "$tree" | wc -l) classes)"
for _ in $(seq "$runs"); do
  bash tests/ui/qt/desktop_exit_test.sh "$build/bin/varnwick" "${files[@]}" | sed 's/^exit test: /  /'
done
