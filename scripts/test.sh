#!/usr/bin/env bash
# The whole test suite, with compiler warnings as errors: a release build
# with every test, benchmark and example (the install test among them), an
# AddressSanitizer + UndefinedBehaviorSanitizer build with every test, and
# the thread test under ThreadSanitizer. The last lines say which tests were
# skipped, the corpus ones with the place they looked in.
# PX_CORPUS_DIR: the document corpus (default ../shared/corpus beside the
# tree); PX_REQUIRE_CORPUS=1 fails the run when corpus tests skip; PX_JOBS.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${PX_JOBS:-2}
scripts/test-deps.sh

configure=(-G Ninja -DPX_WERROR=ON -DPX_BUILD_TESTS=ON -DPX_BUILD_EXAMPLES=ON)
[ -z "${PX_CORPUS_DIR:-}" ] || configure+=(-DPX_CORPUS_DIR="$PX_CORPUS_DIR")
summary=()
status=0

# run_ctest BUILD_DIR LABEL [VAR=VALUE...]
run_ctest() {
  local dir=$1 label=$2
  shift 2
  local output=$dir/ctest-output.txt rc=0 skipped
  env "$@" ctest --test-dir "$dir" --output-on-failure -j "$jobs" 2>&1 | tee "$output" || rc=$?
  skipped=$(scripts/skipped-tests.sh "$dir" "$output") || rc=1
  echo "$skipped"
  [ "$rc" -eq 0 ] || status=1
  summary+=("$label: $(grep -E 'tests passed|tests failed' "$output" | tail -1 || echo 'no result')")
  while IFS= read -r line; do summary+=("$label: $line"); done <<< "$skipped"
}

finish() {
  echo
  echo "== test summary"
  printf '%s\n' "${summary[@]}"
  exit $status
}

cmake -S . -B build "${configure[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPX_BUILD_BENCH=ON > /dev/null
cmake --build build -j "$jobs"
run_ctest build release
[ $status -eq 0 ] || finish

cmake -S . -B build-asan "${configure[@]}" -DCMAKE_BUILD_TYPE=Debug -DPX_SANITIZE=ON -DPX_BUILD_BENCH=OFF > /dev/null
cmake --build build-asan -j "$jobs"
run_ctest build-asan asan+ubsan ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
[ $status -eq 0 ] || finish

cmake -S . -B build-tsan "${configure[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPX_TSAN=ON -DPX_BUILD_BENCH=OFF > /dev/null
cmake --build build-tsan -j "$jobs" --target stress_tests
if TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/stress_tests --gtest_filter='Threads.*'; then
  summary+=("tsan: thread tests passed")
else
  summary+=("tsan: thread tests FAILED")
  status=1
fi
finish
