#!/usr/bin/env bash
# Installs what the build needs, builds the game and its tests with warnings as errors, and runs the
# whole suite headless: once normally and once with the address and undefined-behaviour sanitizers.
# Each build folder is configured with its tests explicitly (run.sh configures build/ without them),
# and a run in which no test ran fails.
set -euo pipefail
cd "$(dirname "$0")"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
jobs=$(nproc)

scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOSSMEADOW_WERROR=ON -DMOSSMEADOW_TESTS=ON
ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs" -LE reliability

scripts/setup.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMOSSMEADOW_WERROR=ON -DMOSSMEADOW_SANITIZE=ON \
  -DMOSSMEADOW_TESTS=ON
# The scenario tests play the whole game for thousands of frames: the normal build runs them, the
# sanitized build runs every other test.
sanitizer_env=(ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1)
env "${sanitizer_env[@]}" \
  ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j "$jobs" -E "Scenario|AssetgenDeterminism" -LE reliability

# ---- Reliability suite, bounded form (label "reliability"; tests/reliability) ------------------
# Normal build: kill -9 during saves, a full disk and a read-only user folder, every data file
# broken every way. Sanitized build: random play in every scene, the fuzz corpora replayed.
# The long form: MOSSMEADOW_LONG=1 ctest --test-dir build -L reliability (and build-sanitize);
# the fuzzers themselves: tests/fuzz/run.sh.
ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs" -L reliability
env "${sanitizer_env[@]}" ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j "$jobs" -L reliability
