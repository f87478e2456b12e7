#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and UndefinedBehavior-
# Sanitizer into its own folder and runs the whole test suite there, GUI
# tests offscreen as in the normal suite. Any finding stops its test.
#   scripts/sanitize.sh [BUILD_DIR]      (default build-asan, or KR_ASAN_DIR)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${KR_ASAN_DIR:-$top/build-asan}}"
"$top/scripts/install-deps.sh"
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$top}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DKR_SANITIZE=ON -DKR_BUILD_BENCHMARKS=OFF
fi
cmake --build "$build" -j "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
# fontconfig keeps its configuration until the process ends; nothing of ours.
export LSAN_OPTIONS="suppressions=$top/scripts/leak_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
