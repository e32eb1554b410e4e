#!/usr/bin/env bash
# Times `varnwick-cli classes` over a generated tree of headers against Universal Ctags and `wc -l`
# over the same files, in one run, with a warm page cache (with -C a cold one: the page cache is
# dropped before every run, which needs root): the best wall time of RUNS runs and the
# largest peak RSS of each tool. "floor" lists and reads the same headers on two threads without
# parsing them: what the reading alone costs on this machine.
#
# A tool that knows --recursive gets the tree's root, as a user types it and as Ctags gets it (-R);
# its NAME-folders row names every folder of the tree instead, as a tool without --recursive is
# run. Starting a program with 1,750 arguments costs the shell itself about 15 ms.
#
#   bench/tree_bench.sh [-b BUILD] [-t TREE] [-r RUNS] [-C] [-c NAME=CLI]...
#
# Each -c adds a command-line tool to time beside the build's own (e.g. an older build, to put
# before and after side by side); without one only BUILD/bin/varnwick-cli is timed.
set -euo pipefail
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$(dirname "$0")/.."
source bench/ScriptOptions.sh

build=build
tree=${TMPDIR:-/tmp}/varnwick-header-tree
runs=5
clis=()
cold=false
take_long_options "$@"
while getopts ":b:t:r:c:C" option; do
  case $option in
    b) build=$OPTARG ;;
    t) tree=$OPTARG ;;
    r) runs=$OPTARG ;;
    c) clis+=("$OPTARG") ;;
    C) cold=true ;;
    :) fail "option -$OPTARG needs a value" ;;
    *) fail "unknown option -$OPTARG" ;;
  esac
done
shift $((OPTIND - 1))
[ $# -eq 0 ] || fail "unexpected argument $1"
[ ${#clis[@]} -eq 0 ] && clis=("varnwick=$build/bin/varnwick-cli")

scripts/deps time universal-ctags
[ -d "$tree" ] || "$build/bin/varnwick-bench-make-tree" "$tree"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
find "$tree" -type d | LC_ALL=C sort >"$work/folders"
find "$tree" -type f -name '*.h' -print0 >"$work/files0"
mapfile -t folders <"$work/folders"
$cold || find "$tree" -type f -name '*.h' -print0 | xargs -0 cat >/dev/null  # warm the page cache

declare -A best rss commands
names=()
add_tool() { names+=("$1"); commands[$1]=$2; best[$1]=999999; rss[$1]=0; }
for cli in "${clis[@]}"; do
  name=${cli%%=*} program=${cli#*=}
  if "$program" classes --help 2>&1 | grep -q -- --recursive; then
    add_tool "$name" "$program classes -r \"$tree\""
    name=$name-folders
  fi
  add_tool "$name" "$program classes \"\${folders[@]}\""
done
# The floor: the same headers listed and read on two threads without parsing.
floor="$build/bin/varnwick-bench-read-floor"
[ -x "$floor" ] && add_tool floor "$floor -r \"$tree\""
add_tool ctags "ctags --languages=C++ --langmap=C++:+.h --kinds-C++=+m -f - -R \"$tree\""
add_tool wc "wc -l --files0-from=\"$work/files0\""

# Wall time from the shell's clock (finer than time's 10 ms), peak RSS from /usr/bin/time.
time_once() {
  local name=$1 start end ms kb
  if $cold; then sync; echo 3 >/proc/sys/vm/drop_caches; fi
  start=$EPOCHREALTIME
  eval "/usr/bin/time -f %M -o \"$work/rss\" ${commands[$name]}" >"$work/out.$name" 2>"$work/err.$name"
  end=$EPOCHREALTIME
  ms=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%d", (e - s) * 1000 }')
  kb=$(tail -1 "$work/rss")
  ((ms < best[$name])) && best[$name]=$ms
  ((kb > rss[$name])) && rss[$name]=$kb
  return 0
}

for ((run = 0; run < runs; run++)); do
  for name in "${names[@]}"; do time_once "$name"; done
done

$cold && printf 'cold page cache: dropped before every run\n'
printf '%s headers, %s bytes, %s folders; best of %s runs\n' "$(tr -cd '\0' <"$work/files0" | wc -c)" \
  "$(xargs -0 cat <"$work/files0" | wc -c)" "${#folders[@]}" "$runs"
printf '%-16s %9s %9s %10s %10s %9s\n' tool ms "peak MB" "vs ctags" "vs wc" lines
for name in "${names[@]}"; do
  awk -v n="$name" -v ms="${best[$name]}" -v kb="${rss[$name]}" -v c="${best[ctags]}" -v w="${best[wc]}" \
      -v lines="$(wc -l <"$work/out.$name")" \
      'BEGIN { printf "%-16s %9d %9.1f %9.1fx %9.2fx %9d\n", n, ms, kb / 1024, c / (ms ? ms : 1), ms / (w ? w : 1), lines }'
done
