#!/usr/bin/env bash
# Builds the Qt-free configuration (KVELM_GUI=OFF: the libraries below the UI, kvelmctl and
# their tests) into build-noqt/, runs its tests, and checks that kvelmctl links no Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-noqt -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVELM_GUI=OFF >/dev/null
cmake --build build-noqt -j"$(nproc)"
if ldd build-noqt/bin/kvelmctl | grep -qi qt; then
  echo "kvelmctl of the Qt-free build links a Qt library" >&2
  exit 1
fi
cd build-noqt
ctest --output-on-failure -j"$(nproc)" --timeout 600
