#!/usr/bin/env bash
# The whole test suite: a release build and an AddressSanitizer +
# UndefinedBehaviorSanitizer build, each built and run with ctest, and the
# thread test under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${PX_JOBS:-2}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPX_SANITIZE=ON -DPX_BUILD_BENCH=OFF > /dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPX_TSAN=ON -DPX_BUILD_BENCH=OFF > /dev/null
cmake --build build-tsan -j "$jobs" --target stress_tests
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/stress_tests --gtest_filter='Threads.*'
