#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang into build-fuzz/ (Qt-free libraries
# only) and runs each for a fixed time, starting from the seed corpus in
# tests/fuzz/corpus/<target>/. Usage: scripts/fuzz.sh [seconds per target] (default 20).
# New inputs go to build-fuzz/corpus/, crashing inputs to build-fuzz/artifacts/; any crash,
# leak, sanitizer report or time-out fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-20}"
JOBS="${JOBS:-$(nproc)}"
# Rebuilds are much quicker through ccache when it is installed.
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
TARGETS=(fuzz_report_descriptor fuzz_profile_file fuzz_profile_list fuzz_light_files fuzz_event_files
         fuzz_device_answers fuzz_device_table)
CC=clang CXX=clang++ cmake -S . -B build-fuzz ${LAUNCHER[@]+"${LAUNCHER[@]}"} -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVELM_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$JOBS" --target "${TARGETS[@]}"
mkdir -p build-fuzz/artifacts
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
failed=()
for target in "${TARGETS[@]}"; do
  mkdir -p "build-fuzz/corpus/$target"
  echo "== $target: ${SECONDS_EACH} s"
  if ! "build-fuzz/bin/$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target-" \
       "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" >"build-fuzz/$target.log" 2>&1; then
    failed+=("$target")
    tail -n 60 "build-fuzz/$target.log"
  else
    grep -E "^stat::number_of_executed_units|^Done" "build-fuzz/$target.log" || true
  fi
done
if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzz.sh: failures in: ${failed[*]} (inputs in build-fuzz/artifacts/)" >&2
  exit 1
fi
echo "fuzz.sh: ${#TARGETS[@]} targets ran ${SECONDS_EACH} s each without a failure"
