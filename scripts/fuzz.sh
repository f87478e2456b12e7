#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into their own folder and
# runs each for SECONDS (default 60) on a working copy of its seed corpus in
# that folder; the repository's corpus is never changed. Reports per target
# and exits non-zero when any target found a crash, a hang or a leak; the
# input that did it lies in BUILD_DIR/findings/<target>/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (build folder: KR_FUZZ_DIR, default build-fuzz)
set -uo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${KR_FUZZ_DIR:-$top/build-fuzz}"
seconds="${1:-60}"
shift $(( $# > 0 ? 1 : 0 ))
case "$seconds" in ''|*[!0-9]*) echo "usage: $0 [SECONDS] [TARGET...]" >&2; exit 64;; esac

"$top/scripts/install-deps.sh" || exit 1
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$top}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ || exit 1
fi
cmake --build "$build" -j "$(nproc)" || exit 1

if [ $# -eq 0 ]; then
  set -- $(cd "$top/fuzz/corpus" && ls)
fi
# Readers that take a path get their files in the build folder.
export TMPDIR="$build/tmp"
mkdir -p "$TMPDIR"
export ASAN_OPTIONS="detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

failed=0
for target in "$@"; do
  work="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/logs/$target.log"
  if [ ! -x "$build/$target" ] || [ ! -d "$top/fuzz/corpus/$target" ]; then
    echo "$target: no such target (a built fuzzer with seeds in fuzz/corpus/$target)"
    failed=1
    continue
  fi
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  cp -rn "$top/fuzz/corpus/$target/." "$work/"
  # The machine is shared: the fuzzers yield to everything else.
  nice -n 19 "$build/$target" "$work" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ "$status" -eq 0 ]; then
    echo "$target: ${seconds}s, ${runs:-0} runs, nothing found"
  else
    failed=1
    echo "$target: FOUND a fault after ${runs:-?} runs (exit $status); see $log and $findings/"
    grep -m1 -E "ERROR: |runtime error|deadly signal|timeout" "$log" | sed 's/^/  /'
  fi
done
exit "$failed"
