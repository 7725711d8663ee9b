#!/usr/bin/env bash
# test_skipped_tests.sh SKIPPED_TESTS_SCRIPT: the summary of skipped tests
# read from a ctest log in the format ctest writes: corpus tests counted once
# each with their path, other skips apart, PX_REQUIRE_CORPUS failing the run.
set -euo pipefail
script=$1
unset PX_REQUIRE_CORPUS  # each case below sets it itself
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/Testing/Temporary"

block() {  # N NAME OUTPUT-LINES...
  local n=$1 name=$2
  shift 2
  printf '%s/4 Testing: %s\n%s/4 Test: %s\nCommand: "x"\nOutput:\n' "$n" "$name" "$n" "$name"
  printf '%s\n' "$@"
  printf '<end of output>\n'
}
{
  block 1 A.Corpus 'tests/a.cpp:3: Skipped' 'corpus not found at /x/corpus' '[  SKIPPED ] A.Corpus (0 ms)'
  block 2 B.Corpus 'corpus not found at /x/corpus' 'corpus not found at /x/corpus'
  block 3 C.Schema 'xmllint not installed (libxml2-utils)'
  block 4 D.Indented '| corpus not found at /elsewhere'
} > "$tmp/Testing/Temporary/LastTest.log"
cat > "$tmp/out.txt" <<'OUT'
100% tests passed, 0 tests failed out of 4
The following tests did not run:
	  1 - A.Corpus (Skipped)
	  2 - B.Corpus (Skipped)
	  3 - C.Schema (Skipped)
OUT

fail() { echo "test_skipped_tests: $*" >&2; exit 1; }
got=$("$script" "$tmp" "$tmp/out.txt")
want="2 corpus tests skipped: corpus not found at /x/corpus (set PX_CORPUS_DIR)
1 other tests skipped (their reasons are in $tmp/Testing/Temporary/LastTest.log)"
[ "$got" = "$want" ] || fail "got:
$got
want:
$want"
rc=0
PX_REQUIRE_CORPUS=1 "$script" "$tmp" "$tmp/out.txt" > /dev/null 2>&1 || rc=$?
[ "$rc" -eq 3 ] || fail "PX_REQUIRE_CORPUS=1 with skipped corpus tests exits $rc, not 3"

# Nothing skipped: says so, and passes even when the corpus is required.
block 1 A.Corpus '[  PASSED  ] 1 test.' > "$tmp/Testing/Temporary/LastTest.log"
echo "100% tests passed, 0 tests failed out of 1" > "$tmp/out.txt"
got=$(PX_REQUIRE_CORPUS=1 "$script" "$tmp" "$tmp/out.txt") || fail "exit $? with nothing skipped"
[ "$got" = "no corpus test skipped" ] || fail "got '$got' with nothing skipped"
echo "skipped-test summary: ok"
