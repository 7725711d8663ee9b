#!/usr/bin/env bash
# fuzz.sh [SECONDS]: build the libFuzzer targets with clang 14 (address and
# undefined-behaviour sanitizers) and run each for SECONDS (default 30).
# Seeds: the corpus documents (PX_CORPUS_DIR, not copied into the tree) and
# documents the test suites' encoders write; findings stay in build-fuzz/.
# Longer runs: scripts/fuzz.sh 3600
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/test-deps.sh
seconds=${1:-30}
corpus=${PX_CORPUS_DIR:-../shared/corpus}
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPX_FUZZ=ON \
  -DPX_WERROR=ON -DPX_BUILD_TESTS=OFF -DPX_BUILD_BENCH=OFF > /dev/null
cmake --build build-fuzz -j "${PX_JOBS:-2}" --target fuzz_documents fuzz_roundtrip fuzz_pattern

seeds=build-fuzz/seeds
mkdir -p "$seeds/documents" "$seeds/pattern" build-fuzz/findings
cp samples/*.xml "$seeds/documents/"
if [ -d "$corpus" ]; then
  for f in "$corpus"/rfc/*.xml "$corpus"/real/*.xml; do cp "$f" "$seeds/documents/$(basename "$(dirname "$f")")-$(basename "$f")"; done
fi
printf '0(.[0-9]{0,3})?\0000.5' > "$seeds/pattern/qvalue"
printf '/presence/tuple[@id='"'"'a'"'"']/status' > "$seeds/pattern/selector"
printf '([a-c]|\\i\\c*){2,5}\0abc' > "$seeds/pattern/classes"

run() {
  local target=$1 seeddir=$2
  mkdir -p "build-fuzz/work/$target"
  echo "== $target: ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "build-fuzz/fuzz/$target" "build-fuzz/work/$target" "$seeddir" -dict=fuzz/presence.dict \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="build-fuzz/findings/$target-" -print_final_stats=1 2>&1 |
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb|ERROR|SUMMARY|Done|crash|leak' || true
  # libFuzzer's exit status says whether it found anything.
  "build-fuzz/fuzz/$target" -runs=0 "build-fuzz/work/$target" > /dev/null 2>&1
  if ls "build-fuzz/findings/$target-"* > /dev/null 2>&1; then
    echo "$target: findings in build-fuzz/findings" >&2
    return 1
  fi
}
status=0
run fuzz_documents "$seeds/documents" || status=1
run fuzz_roundtrip "$seeds/documents" || status=1
run fuzz_pattern "$seeds/pattern" || status=1
exit $status
