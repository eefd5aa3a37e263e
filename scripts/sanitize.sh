#!/usr/bin/env bash
# Builds the unit tests of the Qt-free libraries with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (no Qt) and runs them with ctest. Any
# sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS="${JOBS:-$(nproc)}"
# Rebuilds are much quicker through ccache when it is installed.
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-asan ${LAUNCHER[@]+"${LAUNCHER[@]}"} -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVELM_SANITIZE=ON -DKVELM_GUI=OFF >/dev/null
cmake --build build-asan -j"$JOBS" --target util_tests hid_tests protocol_tests sim_tests devices_tests \
      profiles_tests profilelist_tests mouse_records_tests lightmodel_tests ctl_tests crashsave_tests \
      macros_tests shoot_tests keyboard_records_tests pad_records_tests wiring_rules_tests
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd build-asan
ctest --output-on-failure -j"$JOBS" --timeout 600
