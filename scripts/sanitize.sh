#!/usr/bin/env bash
# Builds the Qt-free configuration (libraries, kvelmctl and every unit test) with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs its tests with ctest. Any
# sanitizer report fails the run. Like scripts/test-noqt.sh it also checks that the
# Qt-free kvelmctl links no Qt, so this tree checks all that the plain Qt-free one does.
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS="${JOBS:-$(nproc)}"
# Rebuilds are much quicker through ccache when it is installed.
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-asan ${LAUNCHER[@]+"${LAUNCHER[@]}"} -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVELM_SANITIZE=ON -DKVELM_GUI=OFF >/dev/null
cmake --build build-asan -j"$JOBS"
if ldd build-asan/bin/kvelmctl | grep -qi qt; then
  echo "kvelmctl of the Qt-free build links a Qt library" >&2
  exit 1
fi
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd build-asan
ctest --output-on-failure -j"$JOBS" --timeout 600
