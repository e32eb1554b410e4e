#!/usr/bin/env bash
# Runs the real desktop program under a virtual X server on the start-up headers given, chooses
# Enter and "Yes" and checks that the process then ends cleanly, its window's place kept for the
# next run. Prints how long the process outlived its window, for bench/exit_bench.sh; the test
# itself judges no time.
# Usage: desktop_exit_test.sh PROGRAM HEADER...
set -euo pipefail
case "${1:-}" in
  --help | -h) awk 'NR > 1 { if (!sub(/^# ?/, "")) exit; print }' "$0"; exit 0 ;;
  "") echo "desktop_exit_test.sh: no PROGRAM given (see --help)" >&2; exit 2 ;;
  -*) echo "desktop_exit_test.sh: unknown option $1 (see --help)" >&2; exit 2 ;;
esac
program=$1
shift
work=$(mktemp -d)
# The program's settings go here, not into the user's.
export XDG_CONFIG_HOME=$work/config
source "$(dirname "$0")/../../../scripts/VirtualDisplay.sh"
xvfb_pid=
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_virtual_display "$work" 1280x800x24

QT_QPA_PLATFORM=xcb "$program" "$@" 2>"$work/stderr" &
program_pid=$!
window=
for _ in $(seq 600); do
  window=$(xdotool search --onlyvisible --name '^Varnwick$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "exit test: the window did not appear"; cat "$work/stderr"; exit 1; }
sleep 0.5

# Enter in the class list asks before it closes a window that holds classes; "Yes" closes it.
xdotool windowfocus --sync "$window"
xdotool key Return
sleep 0.5
xdotool key alt+y
for _ in $(seq 3000); do xdotool search --onlyvisible --name '^Varnwick$' >/dev/null 2>&1 || break; sleep 0.01; done
if xdotool search --onlyvisible --name '^Varnwick$' >/dev/null 2>&1; then
  echo "exit test: the window stayed after "Yes""; exit 1
fi
gone=$(date +%s%N)
status=0
wait "$program_pid" || status=$?
ended=$(date +%s%N)
program_pid=
[ "$status" -eq 0 ] || { echo "exit test: the program ended with status $status"; cat "$work/stderr"; exit 1; }
# Anything but Qt's note about a missing runtime folder is a fault: a warning, a sanitizer report.
if grep -v "XDG_RUNTIME_DIR" "$work/stderr" | grep -q .; then
  echo "exit test: the program wrote to standard error:"; cat "$work/stderr"; exit 1
fi
grep -q '^width=' "$XDG_CONFIG_HOME/Varnwick/Varnwick.conf" 2>/dev/null || {
  echo "exit test: the window's place was not kept"; cat "$XDG_CONFIG_HOME/Varnwick/Varnwick.conf" 2>/dev/null; exit 1
}
echo "exit test: the process ended $(((ended - gone) / 1000000)) ms after its window went"
