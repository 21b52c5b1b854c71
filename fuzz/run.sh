#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time.
#   fuzz/run.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DKVIZAR_FUZZ=ON -DKVIZAR_FRONTEND=OFF -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target base_fuzzer bank_fuzzer

# Allocation stacks five frames deep find an allocation well enough; unwinding thirty frames at
# every allocation took a tenth of the fuzzers' time.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=5}"

status=0
for target in base bank; do
  work="$build/corpus-$target"
  mkdir -p "$work"
  echo "== ${target}_fuzzer for ${seconds}s"
  log="$build/${target}_fuzzer.log"
  "$build/fuzz/${target}_fuzzer" "$work" "fuzz/corpus/$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 >"$log" 2>&1 || { status=1; grep -A 30 -E "ERROR|Test unit written" "$log"; }
  grep -E "^Done|new_units_added|peak_rss" "$log"
  awk -v t="$target" '/stat::average_exec_per_sec/ { printf "%s_fuzzer: %d runs a second\n", t, $2 }' "$log"
done
exit "$status"
