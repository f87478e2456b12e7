#!/usr/bin/env bash
# Configures (once) and builds everything into build/, the distribution
# folder into build/dist/.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${KR_BUILD_DIR:-$top/build}"
# Build folders beside each other share ccache's objects.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$top}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)"
