#!/usr/bin/env bash
# Builds the project and starts the kvelm program. Without a real device attached,
# simulated mice are plugged in (set KVELM_SIMULATE to choose others, or to "none").
# Without a display, kvelm says so and saves a picture of its window instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export KVELM_SIMULATE="${KVELM_SIMULATE:-mouse,mouse3389}"
if [ ! -x build/bin/kvelm ]; then
  echo "run.sh: build/bin/kvelm was not built; see the build output above" >&2
  exit 1
fi
exec build/bin/kvelm "$@"
