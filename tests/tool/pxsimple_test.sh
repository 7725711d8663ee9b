#!/usr/bin/env bash
# The pxsimple tool as an operator uses it: exit statuses, messages that say
# what to do, standard input, and its verdicts on the corpus (each document's
# expected verdict is in the table below; documents with errors of their own
# are named in the corpus MANIFEST). Also: decode --json | encode writes the
# same document as roundtrip, for every corpus document.
# usage: pxsimple_test.sh PXSIMPLE SAMPLES_DIR CORPUS_DIR
set -u
tool=$1 samples=$2 corpus=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect STATUS PATTERN ARGS...: the exit status, and a line of the output
# (standard output and error together) matching the pattern.
expect() {
  local status=$1 pattern=$2
  shift 2
  local out rc
  out=$("$tool" "$@" 2>&1 < "${stdin:-/dev/null}")
  rc=$?
  [ "$rc" -eq "$status" ] || fail "pxsimple $* exited $rc, not $status: $out"
  grep -qE -- "$pattern" <<< "$out" || fail "pxsimple $*: no line matches /$pattern/ in: $out"
}

printf '' > "$work/empty.xml"
printf '<?xml version="1.0" encoding="ISO-8859-1"?>\n<presence xmlns="urn:ietf:params:xml:ns:pidf" entity="pres:a@b"><note>caf\xe9</note></presence>' > "$work/latin1.xml"
printf '<x xmlns="urn:x"/>' > "$work/unknown.xml"
printf '<presence xmlns="urn:ietf:params:xml:ns:pidf" entity="pres:a@b">\n<tuple id="t"><status><basic>half</basic></status></tuple>\n<tuple id="u"><status/><timestamp>soon</timestamp></tuple></presence>' > "$work/bad.xml"
printf '<a><b></a>' > "$work/broken.xml"
deep='<presence xmlns="urn:ietf:params:xml:ns:pidf" xmlns:dm="urn:ietf:params:xml:ns:pidf:data-model" xmlns:r="urn:ietf:params:xml:ns:pidf:rpid" entity="pres:a@b">\n<dm:person id="p">\n<r:mood><r:happy/><r:sad x="1"/></r:mood></dm:person></presence>'
printf "$deep" > "$work/deep.xml"
errors='<presence xmlns="urn:ietf:params:xml:ns:pidf" entity="pres:a@b">'
for i in $(seq 1 30); do errors+="<tuple id=\"t$i\" bad=\"1\"><status/></tuple>"; done
printf '%s</presence>' "$errors" > "$work/many.xml"

# Usage and input errors: exit 2, with a message.
expect 0 '^usage: pxsimple COMMAND' --help
expect 0 '^usage: pxsimple COMMAND' -h
expect 0 '^pxsimple [0-9]' --version
expect 0 'usage: pxsimple check' check --help
expect 2 'unknown command "chekc"' chekc file.xml
expect 2 'unknown option "--dep"' check --dep file.xml
expect 2 'usage: pxsimple decode' decode
expect 2 'no such file' check "$work/absent.xml"
expect 2 'is a directory' check "$work"
expect 2 'is empty' check "$work/empty.xml"
expect 2 'needs a positive number' check --max-depth x "$samples/presence.xml"
# Documents the tool refuses: exit 1, and what to do.
expect 1 'convert the document to UTF-8' check "$work/latin1.xml"
expect 1 '<x> in namespace urn:x, which is no document' check "$work/unknown.xml"
expect 1 'broken.xml:1:7: .*ST_XML_MALFORMED: .*end tag </a> does not match start tag <b>' check "$work/broken.xml"
expect 1 'ST_TOO_DEEP' check --max-depth 2 "$samples/presence.xml"
expect 1 'ST_TOO_LARGE' check --max-size 10 "$samples/presence.xml"
# Each error once, with line, column, element path and the values allowed.
expect 1 'bad.xml:2:34: /presence/tuple\[1\]/status/basic: ST_BAD_CONTENT: <basic> holds "half", which is not one of: open, closed' check "$work/bad.xml"
expect 1 'bad.xml:3:39: /presence/tuple\[2\]/timestamp: ST_BAD_CONTENT: <timestamp> holds "soon", which is not a date and time' check "$work/bad.xml"
[ "$("$tool" check "$work/bad.xml" | grep -c ST_BAD_CONTENT)" -eq 2 ] || fail "check bad.xml: an error printed twice"
# Extensions are checked by default, in place; --shallow leaves them alone.
expect 1 'deep.xml:3:19: /presence/dm:person/r:mood/r:sad: ST_UNEXPECTED_ATTRIBUTE' check "$work/deep.xml"
expect 0 'deep.xml: valid' check --shallow "$work/deep.xml"
# Past the error limit, the rest is counted: problems, not raw entries.
expect 1 '\.\.\. and 20 more errors' check --max-errors 10 "$work/many.xml"
expect 1 'with-errors.xml: \.\.\. and 4 more errors' check --max-errors 1 "$samples/with-errors.xml"
# A refused child is named with the element it stands in.
printf '<homepage xmlns="urn:ietf:params:xml:ns:pidf:cipid">http://a<b/></homepage>' > "$work/child.xml"
expect 1 '/homepage/b: ST_UNEXPECTED_ELEMENT: <b> is not allowed inside <homepage>' check "$work/child.xml"
# Partial presence: the limits hold for every input; a line only where known.
expect 0 'on-the-phone' patch "$samples/state.xml" "$samples/update.xml"
expect 1 'state.xml: limit-exceeded: document of [0-9]+ bytes is over the limit of 50$' patch --max-size 50 "$samples/state.xml" "$samples/update.xml"
expect 1 'state.xml:[0-9]+: limit-exceeded: elements nested deeper' diff --max-depth 2 "$samples/state.xml" "$samples/state.xml"
expect 1 'update.xml: invalid-document: ' compose --max-depth 20 "$samples/update.xml"
# Standard input, and several files at once (the worst verdict wins).
stdin="$samples/presence.xml" expect 0 '^\(standard input\): valid' check -
expect 1 'bad.xml: invalid' check "$samples/presence.xml" "$work/bad.xml"
# Order deviations of real clients, reported or accepted.
if [ -d "$corpus/real" ]; then
  expect 1 'resip-3.xml:9:3: /presence/tuple: ST_ELEMENT_NOT_EXPECTED' check "$corpus/real/resip-3.xml"
  expect 0 'resip-3.xml: valid' check --any-order "$corpus/real/resip-3.xml"
  expect 1 '<tns:tuple id="t8642"><tns:status><tns:basic>open</tns:basic>' roundtrip "$corpus/real/resip-3.xml"
fi

# Verdicts on the corpus (0 valid, 1 invalid or refused).
verdicts="rfc/rfc3858-ex1:0 rfc/rfc3863-ex1:0 rfc/rfc3863-ex2:0 rfc/rfc3863-ex3:0 rfc/rfc3863-ex4:0
rfc/rfc3863-ex5:0 rfc/rfc3863-ex6:0 rfc/rfc4119-ex1:0 rfc/rfc4119-ex2:0 rfc/rfc4479-ex1:1 rfc/rfc4480-ex1:0
rfc/rfc4482-ex1-corrected:0 rfc/rfc4482-ex1:1 rfc/rfc4482-ex2:0 rfc/rfc4662-ex1-corrected:0 rfc/rfc4662-ex1:1
rfc/rfc4662-ex2:0 rfc/rfc4662-ex3:0 rfc/rfc4662-ex4:0 rfc/rfc4662-ex5:0 rfc/rfc4662-ex6:0 rfc/rfc4662-ex7:0
rfc/rfc5262-ex1:0 rfc/rfc5262-ex2:0 rfc/rfc5262-ex3:0 real/ng911dev-1:0 real/pjproject-1:1 real/resip-1:0
real/resip-10:0 real/resip-11:0 real/resip-12:1 real/resip-13:0 real/resip-14:1 real/resip-15:1 real/resip-16:1
real/resip-17:1 real/resip-18:1 real/resip-19:0 real/resip-2:0 real/resip-20:0 real/resip-21:1 real/resip-22:1
real/resip-23:0 real/resip-24:0 real/resip-25:1 real/resip-26:1 real/resip-27:1 real/resip-3:1 real/resip-4:1
real/resip-5:0 real/resip-6:1 real/resip-7:0 real/resip-8:0 real/resip-9:1"
if [ -d "$corpus/rfc" ]; then
  for entry in $verdicts; do
    file="$corpus/${entry%%:*}.xml" want=${entry##*:}
    "$tool" check "$file" > /dev/null 2>&1
    got=$?
    [ "$got" -eq "$want" ] || fail "check ${entry%%:*}: verdict $got, expected $want"
    # JSON and back writes what roundtrip writes.
    "$tool" roundtrip "$file" > "$work/rt.xml" 2> /dev/null
    if "$tool" decode --json "$file" > "$work/d.json" 2> /dev/null || [ "$want" -eq 1 ]; then
      "$tool" encode "$work/d.json" > "$work/enc.xml" 2> /dev/null
      cmp -s "$work/rt.xml" "$work/enc.xml" || fail "decode --json | encode differs from roundtrip for ${entry%%:*}"
    fi
  done
else
  echo "corpus not available at $corpus: its verdicts were not checked"
fi

[ "$failures" -eq 0 ] && echo "pxsimple: every case passed"
exit $((failures > 0))
