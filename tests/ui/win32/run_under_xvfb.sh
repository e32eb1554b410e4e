#!/usr/bin/env bash
# Runs a command under a virtual X server of its own, for Windows programs under Wine that create
# real windows: without a display Wine creates none. The command's exit status is the script's.
# Usage: run_under_xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
case "${1:-}" in
  --help | -h) awk 'NR > 1 { if (!sub(/^# ?/, "")) exit; print }' "$0"; exit 0 ;;
  "") echo "run_under_xvfb.sh: no COMMAND given (see --help)" >&2; exit 2 ;;
esac
work=$(mktemp -d)
# Xvfb picks a free display and writes its number when it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "run_under_xvfb.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
status=0
"$@" || status=$?
exit "$status"
