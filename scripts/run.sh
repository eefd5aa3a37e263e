#!/usr/bin/env bash
# Builds the program (not its tests: scripts/test.sh builds those) and starts it. Without
# a real device attached, simulated mice are plugged in (set KVELM_SIMULATE to choose
# others, or to "none"). Without a display there is no window to show: the script says so,
# lists the simulated devices with kvelmctl and saves a picture of the window, taken
# offscreen, in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --program
export KVELM_SIMULATE="${KVELM_SIMULATE:-mouse,mouse3389}"
for program in kvelm kvelmctl; do
  if [ ! -x "build/bin/$program" ]; then
    echo "run.sh: build/bin/$program was not built; see the build output above" >&2
    exit 1
  fi
done
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are not set), so the window cannot be shown."
  echo "run.sh: the devices kvelm would see (kvelmctl list):"
  build/bin/kvelmctl list
  shot="$PWD/build/kvelm-window.png"
  build/bin/kvelm --screenshot "$shot" "$@"
  echo "run.sh: a picture of the window, taken offscreen: $shot"
  exit 0
fi
exec build/bin/kvelm "$@"
