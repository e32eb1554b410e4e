#!/usr/bin/env bash
# Counts the class names that `varnwick-cli classes -r` lists for a tree of headers and that are
# neither an identifier nor a whole template name ("Name<...>" with its angle brackets matched):
# names made of a macro, a token-pasting head or a template cut at a blank.
#
#   bench/odd_class_names.sh [-b BUILD] [-t TREE] [-l]
#
# Without -t the tree is made by BUILD's varnwick-bench-make-tree --odd-heads in a temporary
# folder (9,000 headers and about 180 with such heads) and removed at the end. -l lists the names.
set -euo pipefail
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$(dirname "$0")/.."
source bench/ScriptOptions.sh

build=build
tree=
list=false
take_long_options "$@"
while getopts ":b:t:l" option; do
  case $option in
    b) build=$OPTARG ;;
    t) tree=$OPTARG ;;
    l) list=true ;;
    :) fail "option -$OPTARG needs a value" ;;
    *) fail "unknown option -$OPTARG" ;;
  esac
done
shift $((OPTIND - 1))
[ $# -eq 0 ] || fail "unexpected argument $1"

if [ -z "$tree" ]; then
  tree=$(mktemp -d)
  trap 'rm -rf "$tree"' EXIT
  "$build/bin/varnwick-bench-make-tree" --odd-heads "$tree" >/dev/null
fi
names=$("$build/bin/varnwick-cli" classes -r "$tree" | cut -f2)
odd=$(printf '%s\n' "$names" | perl -ne 'chomp; print "$_\n" unless /^[A-Za-z_]\w*(?<t><(?:[^<>]++|(?&t))*>)?$/')
total=$(printf '%s\n' "$names" | grep -c . || true)
count=$(printf '%s' "$odd" | grep -c . || true)
echo "$count of $total class names are neither an identifier nor a whole template name"
if $list && [ "$count" -gt 0 ]; then printf '%s\n' "$odd"; fi
