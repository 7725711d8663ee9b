#!/usr/bin/env bash
# skipped-tests.sh BUILD_DIR CTEST_OUTPUT: after a ctest run, say which
# tests were skipped: the corpus ones with the place they looked in, then any
# others. Exit 3 when corpus tests were skipped and PX_REQUIRE_CORPUS=1.
set -euo pipefail
build=$1 output=$2
log=$build/Testing/Temporary/LastTest.log
[ -f "$log" ] || { echo "$build: no test log"; exit 0; }
# In the log a test's block starts with "N/M Test: NAME"; a corpus test that
# skipped printed "corpus not found at PATH" in it.
read -r corpus_skipped corpus_paths < <(awk '
  /^[0-9]+\/[0-9]+ Test: / { name = $0; sub(/^[0-9]+\/[0-9]+ Test: /, "", name) }
  /^corpus not found at / {
    path = $0; sub(/^corpus not found at /, "", path)
    if (!(name in seen)) { seen[name] = 1; n++ }
    if (!(path in paths)) { paths[path] = 1; list = list (list ? ", " : "") path }
  }
  END { print n + 0, list }' "$log")
# ctest lists every skipped test as "  N - NAME (Skipped)".
all_skipped=$(grep -cE '^[[:space:]]*[0-9]+ - .*\(Skipped\)$' "$output" || true)
others=$((all_skipped - corpus_skipped))
if [ "$corpus_skipped" -gt 0 ]; then
  echo "$corpus_skipped corpus tests skipped: corpus not found at $corpus_paths (set PX_CORPUS_DIR)"
else
  echo "no corpus test skipped"
fi
if [ "$others" -gt 0 ]; then
  echo "$others other tests skipped (their reasons are in $log)"
fi
if [ "$corpus_skipped" -gt 0 ] && [ "${PX_REQUIRE_CORPUS:-0}" = 1 ]; then
  echo "PX_REQUIRE_CORPUS=1: the corpus tests must run" >&2
  exit 3
fi
