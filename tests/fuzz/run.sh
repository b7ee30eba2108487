#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a number of executions (default 10 million;
# ./tests/fuzz/run.sh 100000 for a short run), merging anything new into a scratch corpus. Inputs
# that crash are left as crash-* files in the target's scratch folder and make the script fail.
# Usage: tests/fuzz/run.sh [RUNS] [TARGET...]   (targets: xml save dialogue options)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-10000000}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(xml save dialogue options)
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOSSMEADOW_FUZZ=ON > build-fuzz.configure.log
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/%/_fuzz}"
# The save and options targets write a file per input: keep those in memory when possible.
[ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && export TMPDIR=/dev/shm
status=0
for t in "${targets[@]}"; do
  work=build-fuzz/fuzz-$t
  mkdir -p "$work/corpus"
  cp -n tests/fuzz/corpus/$t/* "$work/corpus/" 2>/dev/null || true
  echo "== $t: $runs executions"
  (cd "$work" && ASAN_OPTIONS=detect_leaks=1 "../tests/fuzz/${t}_fuzz" -runs="$runs" -max_len=4096 \
      -print_final_stats=1 -dict=../../tests/fuzz/xml.dict corpus) > "$work/log.txt" 2>&1 || status=1
  grep -E "stat::number_of_executed_units|stat::new_units_added|ERROR|SUMMARY" "$work/log.txt" || true
done
exit $status
