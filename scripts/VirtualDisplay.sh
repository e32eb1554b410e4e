# Sourced by the scripts that show real windows on a virtual X server of their own: the program's
# tests, screenshots and benchmarks.

# Starts Xvfb with one screen of SIZE (WIDTHxHEIGHTxDEPTH) on a display it picks, waits until it is
# ready and exports DISPLAY. `xvfb_pid` names the server for the caller's cleanup; WORK is a folder
# of the caller's.
#   start_virtual_display WORK SIZE
start_virtual_display() {
  # Xvfb writes the display's number once it is ready.
  Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp 3>"$1/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 300); do [ -s "$1/display" ] && break; sleep 0.1; done
  [ -s "$1/display" ] || { echo "${0##*/}: Xvfb did not start" >&2; return 1; }
  DISPLAY=:$(head -n 1 "$1/display")
  export DISPLAY
}

# Makes WINEPREFIX's prefix on the display, with Wine placing and framing its windows itself: no
# window manager is asked, so none is waited for when a window goes, and the frames are Windows'.
# The services the prefix starts outlive the caller's output: they get no part of it.
#   prepare_wine_prefix WINE
prepare_wine_prefix() {
  "$1" wineboot --init </dev/null >/dev/null 2>&1
  "$1" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
}
