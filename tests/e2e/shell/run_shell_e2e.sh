#!/usr/bin/env bash
# Runs the shell's end-to-end tests on a virtual X display of their own.
set -u
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "shell_e2e skipped: xvfb-run is missing (install the xvfb package, see scripts/install-deps.sh)"
  exit 77
fi
# The program must use the X display, whatever the caller's platform choice.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# Searching for a free display from a random number keeps parallel runs apart.
exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24" "$@"
