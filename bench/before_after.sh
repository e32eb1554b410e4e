#!/usr/bin/env bash
# Runs the three speed benchmarks for two builds side by side: the tree benchmark (varnwick-cli
# classes against Ctags and wc -l), the parse benchmark and the Add Directory benchmark.
#
#   bench/before_after.sh [-c COMMIT] [-o OLD_BUILD] [-b BUILD] [-t TREE] [-r RUNS] [-C]
#
# With -C every run starts on a cold page cache (dropped before each run; needs root).
# OLD_BUILD (default build-before) holds the older build's bin/ folder; when it has no
# varnwick-cli, COMMIT (default: the commit this work started from) is exported there and its
# command-line tool and benchmarks are built (Release with debug information, like BUILD).
# BUILD (default build) must already be built. Run on a quiet machine: the figures are wall times.
set -euo pipefail
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$(dirname "$0")/.."
source bench/ScriptOptions.sh

commit=1c1810ead28e7b67353ba57f33c17c5f79a314ce
old=build-before
build=build
tree=${TMPDIR:-/tmp}/varnwick-header-tree
runs=5
cold=false
take_long_options "$@"
while getopts ":c:o:b:t:r:C" option; do
  case $option in
    c) commit=$OPTARG ;;
    o) old=$OPTARG ;;
    b) build=$OPTARG ;;
    t) tree=$OPTARG ;;
    r) runs=$OPTARG ;;
    C) cold=true ;;
    :) fail "option -$OPTARG needs a value" ;;
    *) fail "unknown option -$OPTARG" ;;
  esac
done
shift $((OPTIND - 1))
[ $# -eq 0 ] || fail "unexpected argument $1"

if [ ! -x "$old/bin/varnwick-cli" ]; then
  echo "=== building $commit into $old"
  mkdir -p "$old/source"
  git archive "$commit" | tar -x -C "$old/source"
  cmake -S "$old/source" -B "$old" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNWICK_BUILD_TESTS=OFF >/dev/null
  cmake --build "$old" -j "$(nproc)" --target varnwick-cli varnwick-bench-parse varnwick-bench-add-directory \
    varnwick-bench-make-tree
fi
[ -d "$tree" ] || "$build/bin/varnwick-bench-make-tree" "$tree"
uptime

echo "=== tree benchmark"
coldFlag=()
$cold && coldFlag=(-C)
bench/tree_bench.sh -b "$build" -t "$tree" -r "$runs" "${coldFlag[@]}" -c "before=$old/bin/varnwick-cli" \
  -c "after=$build/bin/varnwick-cli"

# The fastest median real and CPU time of each benchmark over RUNS rounds, in microseconds. The
# builds take turns, a round each, and within a round the benchmarks' repetitions are interleaved:
# on a shared machine a slow spell of a few seconds then lands on both builds and both benchmarks of
# a ratio, not on one of them.
medians() {
  for ((round = 0; round < runs; round++)); do
    for bin in "$@"; do
      if $cold; then sync; echo 3 >/proc/sys/vm/drop_caches; fi
      "$bin" --benchmark_repetitions=3 --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true 2>/dev/null |
        awk -v bin="$bin" 'function us(value, unit) { return unit == "ms" ? value * 1000 : unit == "ns" ? value / 1000 : unit == "s" ? value * 1e6 : value }
             $1 ~ /_median$/ { name = $1; sub(/_median$/, "", name); printf "%s %s %.1f %.1f\n", bin, name, us($2, $3), us($4, $5) }'
    done
  done | awk '{ key = $1 " " $2; if (!(key in real) || $3 < real[key]) real[key] = $3; if (!(key in cpu) || $4 < cpu[key]) cpu[key] = $4 }
              END { for (key in real) print key, real[key], cpu[key] }'
}

echo "=== parse benchmark (fastest median of $runs rounds; microseconds, real / CPU; ratio = parse / memchr line count)"
medians "$old/bin/varnwick-bench-parse" "$build/bin/varnwick-bench-parse" >"$build/parse-rounds.txt"
awk -v old="$old/bin/varnwick-bench-parse" '$1 == old { print $2, $3, $4 }' "$build/parse-rounds.txt" | sort >"$old/parse.txt"
awk -v new="$build/bin/varnwick-bench-parse" '$1 == new { print $2, $3, $4 }' "$build/parse-rounds.txt" | sort >"$build/parse.txt"
awk '
  FNR == NR { br[$1] = $2; bc[$1] = $3; next }
  { ar[$1] = $2; ac[$1] = $3; order[++n] = $1 }
  END {
    printf "%-34s %21s %21s\n", "benchmark", "before (real / CPU)", "after (real / CPU)"
    for (i = 1; i <= n; ++i) { k = order[i]; printf "%-34s %10.1f %10.1f %10.1f %10.1f\n", k, br[k], bc[k], ar[k], ac[k] }
    split("|_Example", kinds, "|")
    for (j = 1; j <= 2; ++j) {
      count = "BM_CountLinesWithMemchr" kinds[j]; parse = "BM_ParseAllClasses" kinds[j]
      printf "%-34s %9.1fx %9.1fx %9.1fx %9.1fx\n", "ratio" kinds[j], br[parse] / br[count], bc[parse] / bc[count],
             ar[parse] / ar[count], ac[parse] / ac[count]
    }
  }' "$old/parse.txt" "$build/parse.txt"

# The desktop benchmark needs both builds' desktop program.
[ -x "$old/bin/varnwick-bench-add-directory" ] && [ -x "$build/bin/varnwick-bench-add-directory" ] || exit 0
echo "=== Add Directory benchmark (before)"
QT_QPA_PLATFORM=offscreen "$old/bin/varnwick-bench-add-directory" --benchmark_repetitions="$runs" \
  --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'median|Benchmark'
echo "=== Add Directory benchmark (after)"
QT_QPA_PLATFORM=offscreen VARNWICK_BENCH_TREE="$tree" "$build/bin/varnwick-bench-add-directory" \
  --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'median|Benchmark'
