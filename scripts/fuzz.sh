#!/usr/bin/env bash
# fuzz.sh [SECONDS [TARGET]]: build the libFuzzer targets with clang 14 (address and
# undefined-behaviour sanitizers) and run each for SECONDS (default 30).
# Seeds: the corpus documents (PX_CORPUS_DIR, not copied into the tree) and
# documents the test suites' encoders write; findings stay in build-fuzz/.
# Longer runs: scripts/fuzz.sh 3600. One target only: scripts/fuzz.sh 600 fuzz_reader_diff
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/test-deps.sh
seconds=${1:-30}
only=${2:-}
corpus=${PX_CORPUS_DIR:-../shared/corpus}
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPX_FUZZ=ON \
  -DPX_WERROR=ON -DPX_BUILD_TESTS=OFF -DPX_BUILD_BENCH=OFF > /dev/null
cmake --build build-fuzz -j "${PX_JOBS:-2}" --target fuzz_documents fuzz_roundtrip fuzz_pattern fuzz_reader_diff \
  fuzz_presence_apply

seeds=build-fuzz/seeds
mkdir -p "$seeds/documents" "$seeds/pattern" "$seeds/presence" build-fuzz/findings
cp samples/*.xml "$seeds/documents/"
if [ -d "$corpus" ]; then
  for f in "$corpus"/rfc/*.xml "$corpus"/real/*.xml; do cp "$f" "$seeds/documents/$(basename "$(dirname "$f")")-$(basename "$f")"; done
fi
printf '0(.[0-9]{0,3})?\0000.5' > "$seeds/pattern/qvalue"
# Presence seeds: a state, a NUL, a diff (the published example pair), and
# corpus documents alone (diffs for the target's own state).
if [ -f "$corpus/rfc/rfc5262-ex1.xml" ]; then
  { cat "$corpus/rfc/rfc5262-ex1.xml"; printf '\0'; cat "$corpus/rfc/rfc5262-ex2.xml"; } > "$seeds/presence/rfc5262"
  { cat "$corpus/rfc/rfc5262-ex1.xml"; printf '\0'; cat "$corpus/rfc/rfc5262-ex3.xml"; } > "$seeds/presence/rfc5262-full"
  cp "$corpus/rfc/rfc5262-ex2.xml" "$seeds/presence/diff-only"
fi
printf '<p:pidf-diff xmlns="urn:ietf:params:xml:ns:pidf" xmlns:p="urn:ietf:params:xml:ns:pidf-diff"><p:add sel="*/tuple[@id=%s]" pos="after"><tuple id="t3"><status/></tuple></p:add><p:replace sel="*/tuple[2]/status/basic/text()">open</p:replace><p:remove sel="*/comment()" ws="before"/></p:pidf-diff>' "'t1'" > "$seeds/presence/operations"
printf '/presence/tuple[@id='"'"'a'"'"']/status' > "$seeds/pattern/selector"
printf '([a-c]|\\i\\c*){2,5}\0abc' > "$seeds/pattern/classes"

# Deep documents, long selectors and many operations.
deep=""; close=""; sel="*"; ops=""
for i in $(seq 60); do deep="$deep<x:a>"; close="</x:a>$close"; sel="$sel/x:a"; done
for i in $(seq 200); do ops="$ops<p:add sel=\"*\"><tuple id=\"t$i\"><status/></tuple></p:add><p:replace sel=\"*/tuple[@id='t$i']/@id\">u$i</p:replace>"; done
printf '<presence xmlns="urn:ietf:params:xml:ns:pidf" xmlns:x="urn:x" entity="e">%s%s</presence>\0<p:pidf-diff xmlns:p="urn:ietf:params:xml:ns:pidf-diff" xmlns:x="urn:x"><p:add sel="%s"><x:b/></p:add><p:remove sel="%s"/></p:pidf-diff>' "$deep" "$close" "$sel" "$sel" > "$seeds/presence/deep"
printf '<p:pidf-diff xmlns="urn:ietf:params:xml:ns:pidf" xmlns:p="urn:ietf:params:xml:ns:pidf-diff">%s</p:pidf-diff>' "$ops" > "$seeds/presence/many-operations"
# A state with many children, so that lookups by id and position among
# them, and their upkeep as operations change them, get fuzzed.
tuples=""; mixed=""
for i in $(seq 40); do tuples="$tuples<tuple id=\"t$i\"><status><basic>open</basic></status></tuple><note>n$i</note>"; done
for i in $(seq 2 3 38); do
  mixed="$mixed<p:replace sel=\"*/tuple[@id='t$i']/@id\">u$i</p:replace><p:remove sel=\"*/*[$((i + 20))]\"/>"
  mixed="$mixed<p:add sel=\"*/*[$i]\" pos=\"before\"><tuple id=\"t$i\"/></p:add><p:replace sel=\"*/tuple[@id='u$i']\"><tuple id=\"v$i\"/></p:replace>"
done
printf '<presence xmlns="urn:ietf:params:xml:ns:pidf" entity="e">%s</presence>\0<p:pidf-diff xmlns="urn:ietf:params:xml:ns:pidf" xmlns:p="urn:ietf:params:xml:ns:pidf-diff">%s</p:pidf-diff>' "$tuples" "$mixed" > "$seeds/presence/many-children"
# Many namespaces: past the few bindings, tag declarations and capture
# prefixes that are walked, lookups go through hash indices.
decls=""; uses=""; kept=""
for i in $(seq 40); do
  decls="$decls xmlns:n$i=\"urn:n$i\""; uses="$uses n$i:a=\"$i\""
  kept="$kept<d:remove xmlns:n$((i % 7))=\"urn:r$i\" sel=\"*/n$((i % 9)):e\"/><d:remove sel=\"*/n$i:e\"/>"
done
printf '<d:pidf-diff xmlns:d="urn:ietf:params:xml:ns:pidf-diff" xmlns="urn:ietf:params:xml:ns:pidf"%s>%s</d:pidf-diff>' "$decls" "$kept" > "$seeds/documents/many-kept.xml"
printf '<list xmlns="urn:ietf:params:xml:ns:rlmi" uri="sip:l" version="1" fullState="true"%s><resource uri="sip:r"%s/></list>' "$decls" "$uses" > "$seeds/documents/many-prefixes.xml"
printf '<presence xmlns="urn:ietf:params:xml:ns:pidf" entity="pres:a"><tuple id="t"><status><basic>open</basic><x:e xmlns:x="urn:e"%s%s><n1:k/><n30:k n2:b="1"/></x:e></status></tuple></presence>' "$decls" "$uses" > "$seeds/documents/many-captured.xml"

run() {
  local target=$1 seeddir=$2
  if [ -n "$only" ] && [ "$only" != "$target" ]; then return 0; fi
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
run fuzz_reader_diff "$seeds/documents" || status=1
run fuzz_presence_apply "$seeds/presence" || status=1
exit $status
