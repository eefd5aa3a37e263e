#!/usr/bin/env bash
# Builds the project and runs every test (unit, UI under the offscreen platform,
# end-to-end under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600
