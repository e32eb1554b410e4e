#!/usr/bin/env bash
# Times the Windows programs under Wine, side by side in one run, on a virtual X server and in a
# Wine prefix of its own:
#   size      varnwick.exe and varnwick-cli.exe on disk
#   start     from starting varnwick.exe on the example header to its window shown: the first
#             start, which also starts the Wine server, then the best and median of RUNS more
#   add-tree  Add Directory Tree in the real main window over the generated header tree, the
#             folder browser answered by the benchmark (best of RUNS, each in a new window)
#   cli -r    `varnwick-cli.exe classes -r` over the same tree (best of RUNS)
# The tree is made by BUILD's varnwick-bench-make-tree when it is not there.
#
#   bench/windows_bench.sh [-b BUILD] [-w WINDOWS_BUILD] [-t TREE] [-r RUNS]
set -euo pipefail
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$(dirname "$0")/.."
source bench/ScriptOptions.sh
source scripts/VirtualDisplay.sh

build=build
windows=build-windows
tree=${TMPDIR:-/tmp}/varnwick-header-tree
runs=5
take_long_options "$@"
while getopts ":b:w:t:r:" option; do
  case $option in
    b) build=$OPTARG ;;
    w) windows=$OPTARG ;;
    t) tree=$OPTARG ;;
    r) runs=$OPTARG ;;
    :) fail "option -$OPTARG needs a value" ;;
    *) fail "unknown option -$OPTARG" ;;
  esac
done
shift $((OPTIND - 1))
[ $# -eq 0 ] || fail "unexpected argument $1"

wine=${WINE:-/usr/lib/wine/wine64}
wineserver=${wine%/*}/wineserver
desktop=$windows/bin/varnwick.exe
cli=$windows/bin/varnwick-cli.exe
add_tree=$windows/bin/varnwick-bench-win32-add-tree.exe
scripts/deps
for file in "$desktop" "$cli" "$add_tree"; do
  [ -f "$file" ] || { echo "windows_bench.sh: no $file (build the windows preset first)" >&2; exit 1; }
done
[ -d "$tree" ] || "$build/bin/varnwick-bench-make-tree" "$tree"

work=$(mktemp -d)
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all
xvfb_pid=
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  "$wineserver" -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_virtual_display "$work" 1280x1024x24
prepare_wine_prefix "$wine"
"$wineserver" -k >/dev/null 2>&1 || true  # the first start below starts it afresh
sleep 0.5

millis() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%d", (e - s) * 1000 }'; }
# Milliseconds from starting the desktop program to its window on the display.
start_once() {
  local start end
  start=$EPOCHREALTIME
  "$wine" "$desktop" 'Z:'"$(pwd)/examples/Example.h" >/dev/null 2>&1 &
  program_pid=$!
  for _ in $(seq 3000); do
    xdotool search --onlyvisible --name '^Varnwick$' >/dev/null 2>&1 && break
    sleep 0.01
  done
  end=$EPOCHREALTIME
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
  millis "$start" "$end"
}

first=$(start_once)
starts=()
for ((run = 0; run < runs; run++)); do starts+=("$(start_once)"); done
mapfile -t sorted < <(printf '%s\n' "${starts[@]}" | sort -n)

tree_windows='Z:'"$(cd "$tree" && pwd)"
window_read=$("$wine" "$add_tree" "$tree_windows" "$runs" 2>"$work/add-tree.err" | tr -d '\r') ||
  { cat "$work/add-tree.err" >&2; exit 1; }
cli_best=999999
for ((run = 0; run < runs; run++)); do
  start=$EPOCHREALTIME
  "$wine" "$cli" classes -r "$tree_windows" >"$work/classes" 2>/dev/null
  end=$EPOCHREALTIME
  ms=$(millis "$start" "$end")
  ((ms < cli_best)) && cli_best=$ms
done

printf 'Wine %s; %s headers under %s\n' "$("$wine" --version)" "$(find "$tree" -name '*.h' | wc -l)" "$tree"
printf '%-10s %s\n' size "varnwick.exe $(stat -c %s "$desktop") bytes, varnwick-cli.exe $(stat -c %s "$cli") bytes"
printf '%-10s first %d ms (starts the Wine server); then best %d ms, median %d ms of %d\n' start "$first" \
  "${sorted[0]}" "${sorted[$((runs / 2))]}" "$runs"
printf '%-10s %s\n' add-tree "$window_read"
printf '%-10s %d ms best of %d, %d classes\n' "cli -r" "$cli_best" "$runs" "$(tr -d '\r' <"$work/classes" | wc -l)"
