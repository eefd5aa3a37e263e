#!/usr/bin/env bash
# Installs the dependencies (once) and builds everything into build/. With --program first
# it builds only what the program needs (kvelm, kvelmctl and the resources beside them):
# no tests, benches or fuzzers, so a newcomer's first window comes several times sooner.
# Other arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
TARGETS=()
if [ "${1:-}" = "--program" ]; then
  TARGETS=(--target kvelm kvelmctl kvelm_resources)
  shift
fi
bash scripts/install-deps.sh
# Rebuilds are much quicker through ccache when it is installed.
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build ${LAUNCHER[@]+"${LAUNCHER[@]}"} -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"$(nproc)" ${TARGETS[@]+"${TARGETS[@]}"}
