#!/usr/bin/env bash
# Runs a Windows program that creates real windows under Wine, on a virtual X server of its own.
# The program gets a Wine prefix of its own too, beside the shared one: the shared prefix's desktop
# process belongs to whichever program started its Wine server first, perhaps without a display,
# and Wine then creates no window for any program of that server. This prefix's server is started
# here, on this display, and stopped at the end. The program's exit status is the script's.
# With --each-test, PROGRAM is a GoogleTest program whose test cases each run in a process of
# their own, so that what one case leaves in the process cannot fail another.
# Usage: run_under_xvfb.sh [--each-test] WINE PROGRAM [ARGUMENT...]
#        (WINEPREFIX names the shared prefix)
set -euo pipefail
case "${1:-}" in
  --help | -h) awk 'NR > 1 { if (!sub(/^# ?/, "")) exit; print }' "$0"; exit 0 ;;
  "") echo "run_under_xvfb.sh: no WINE given (see --help)" >&2; exit 2 ;;
esac
each_test=false
if [ "$1" = --each-test ]; then
  each_test=true
  shift
fi
[ $# -ge 2 ] || { echo "run_under_xvfb.sh: no PROGRAM given (see --help)" >&2; exit 2; }
wine=$1
shift
wineserver=${wine%/*}/wineserver
work=$(mktemp -d)
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}-windows
# A crash ends the program at once, rather than wait in Wine's debugger until the test times out.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winedbg.exe=d"
mkdir -p "$WINEPREFIX"
source "$(dirname "$0")/../../../scripts/VirtualDisplay.sh"
xvfb_pid=
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_virtual_display "$work" 1280x1024x24
prepare_wine_prefix "$wine"
status=0
if ! $each_test; then
  "$wine" "$@" || status=$?
  exit "$status"
fi
# "Suite." lines, then "  Case" lines under each; disabled cases are left out, as GoogleTest does.
cases=$("$wine" "$@" --gtest_list_tests | tr -d '\r' | awk '
  /^[^ ]/ { suite = $1; next }
  /^  / && suite !~ /^DISABLED_/ && $1 !~ /^DISABLED_/ { print suite $1 }')
[ -n "$cases" ] || { echo "run_under_xvfb.sh: no test cases listed" >&2; exit 1; }
for name in $cases; do
  "$wine" "$@" --gtest_filter="$name" --gtest_brief=1 || { echo "FAILED: $name"; status=1; }
done
exit "$status"
