#!/usr/bin/env bash
# Builds the project and starts it. Without a real device attached, simulated mice are
# plugged in (set KVELM_SIMULATE to choose others, or to "none").
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export KVELM_SIMULATE="${KVELM_SIMULATE:-mouse,mouse3389}"
if [ -x build/bin/kvelm ]; then
  exec build/bin/kvelm "$@"
fi
exec build/bin/kvelmctl list "$@"
