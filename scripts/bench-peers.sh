#!/usr/bin/env bash
# Instructions per byte under callgrind and peak heap per document byte, for
# our decode, validate and encode and for the peers (expat, libxml2,
# pugixml), on the four benchmark documents, plus the fixed cost of a
# near-empty document. Prints one markdown table.
#
#   scripts/bench-peers.sh [BUILD_DIR]      (default: build; PX_JOBS=2 runs)
#
# Instructions: each operation runs under callgrind in the benchmark's plain
# loop mode (peers --loop OP DOC N: one warm-up run, then N runs), counting
# only inside the loop function (--toggle-collect), so start-up, document
# generation, set-up and warm-up are not counted; the count divided by N is
# the cost of one document. Deterministic: the same build gives the same
# figures. Heap: peers_heap, whose malloc counts the bytes held (see
# bench/peers/heap_main.cpp).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${PX_JOBS:-2}
peers=$build/bench/peers
heap=$build/bench/peers_heap

command -v valgrind > /dev/null || { echo "valgrind is needed" >&2; exit 2; }
if [[ ! -x $peers || ! -x $heap ]]; then
  cmake --build "$build" --target peers peers_heap -j "$jobs" > /dev/null ||
    { echo "cannot build peers and peers_heap in $build (libxml2-dev and libpugixml-dev needed)" >&2; exit 2; }
fi

ops="expat libxml2-sax libxml2-tree pugixml pugixml-parse decode validate libxml2-save pugixml-save encode"
docs="pidf1k pidf20k winfo1m rlmi270k empty"
# Runs per document: about a megabyte each, a few seconds under callgrind.
declare -A runs=([pidf1k]=500 [pidf20k]=50 [winfo1m]=2 [rlmi270k]=4 [empty]=500)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

count_one() {  # OP DOC N OUTDIR
  valgrind --tool=callgrind --callgrind-out-file=/dev/null --collect-atstart=no \
    --toggle-collect=px_peers_measured_loop "$PEERS" --loop "$1" "$2" "$3" > "$4/$1.$2" 2>&1 || true
}
export -f count_one
export PEERS=$peers

for doc in $docs; do
  for op in $ops; do echo "$op $doc ${runs[$doc]} $work"; done
done | xargs -P "$jobs" -L 1 bash -c 'count_one "$@"' _

"$heap" > "$work/heap" || true

# One line per operation and document: op doc N bytes written collected-Ir
for doc in $docs; do
  for op in $ops; do
    f=$work/$op.$doc
    line=$(grep -E "^$op $doc: " "$f" | grep ' ok$' || true)
    ir=$(grep -E '== Collected : ' "$f" | awk '{print $NF}' || true)
    bytes=$(sed -n 's/.*bytes=\([0-9]*\).*/\1/p' <<< "$line")
    written=$(sed -n 's/.*written=\([0-9]*\).*/\1/p' <<< "$line")
    echo "ir $op $doc ${runs[$doc]} ${bytes:-0} ${written:-0} ${ir:-0}"
  done
done > "$work/counts"

cat "$work/counts" "$work/heap" | awk -v ops="$ops" '
function grouped(x,   s, out, n) {
  s = sprintf("%.0f", x); out = ""
  while (length(s) > 3) { out = "," substr(s, length(s) - 2) out; s = substr(s, 1, length(s) - 3) }
  return s out
}
function sig(x) { return x >= 100 ? sprintf("%.0f", x) : x >= 10 ? sprintf("%.1f", x) : sprintf("%.2f", x) }
function ratio(a, b) { return (a > 0 && b > 0) ? sig(a / b) : "-" }
$1 == "ir" {
  # ir OP DOC N BYTES WRITTEN COLLECTED
  op = $2; doc = $3; n = $4
  if ($5 == 0 || $7 == 0) next
  perDoc[op, doc] = $7 / n
  per = (op ~ /save$|^encode$/) ? $6 : $5
  if (per > 0) irb[op, doc] = $7 / n / per
  next
}
/ bytes=/ {
  # OP DOC bytes=B peak=P pages=G
  split($3, b, "="); split($4, p, "="); split($5, g, "=")
  size[$2] = b[2]; peak[$1, $2] = p[2]; pages[$1, $2] = g[2]
}
END {
  nd = split("pidf1k pidf20k winfo1m rlmi270k", docs, " ")
  no = split(ops, opList, " ")
  title["expat"] = "expat alone, empty callbacks"
  title["libxml2-sax"] = "libxml2 SAX2, empty callbacks"
  title["libxml2-tree"] = "libxml2 parse to tree + walk"
  title["pugixml"] = "pugixml parse + walk"
  title["pugixml-parse"] = "pugixml parse alone, no walk"
  title["decode"] = "**ours: decode to records + release**"
  title["validate"] = "**ours: validate**"
  title["libxml2-save"] = "libxml2 serialise (xmlDocDumpMemory) *"
  title["pugixml-save"] = "pugixml save to a string *"
  title["encode"] = "**ours: encode the decoded record** *"
  target["decode"] = "heap <= 2 B/B on the large documents; fixed < 10k Ir"
  target["validate"] = "Ir/B <= decode"
  target["encode"] = "Ir per byte written <= pugixml save"
  printf "| operation | 1 KB PIDF (%s B) | 20 KB PIDF (%s B) | 1 MB winfo (%s B) | 270 KB RLMI (%s B) | near-empty PIDF (%s B): Ir, heap bytes per document | target |\n",
         grouped(size["pidf1k"]), grouped(size["pidf20k"]), grouped(size["winfo1m"]), grouped(size["rlmi270k"]), grouped(size["empty"])
  print "|---|---|---|---|---|---|---|"
  for (i = 1; i <= no; i++) {
    o = opList[i]; row = "| " title[o] " |"
    for (j = 1; j <= nd; j++) {
      d = docs[j]
      cell = ((o, d) in irb) ? sig(irb[o, d]) " Ir/B" : "failed"
      if (((o, d) in peak) && size[d] > 0) {
        cell = cell ", heap " sig(peak[o, d] / size[d]) " B/B"
        if (pages[o, d] > 0) cell = cell " (pages " sig(pages[o, d] / size[d]) ")"
      }
      row = row " " cell " |"
    }
    e = ((o, "empty") in perDoc) ? grouped(perDoc[o, "empty"]) " Ir" : "failed"
    if ((o, "empty") in peak) e = e ", " grouped(peak[o, "empty"]) " B"
    print row " " e " | " target[o] " |"
  }
  # numerator denominator target, and the row'"'"'s words
  nr = split("decode libxml2-tree <=_0.33|decode pugixml <=_2|validate decode <=_1|encode pugixml-save <=_1|decode expat _", rows, "|")
  words[1] = "decode / libxml2 tree + walk"; words[2] = "decode / pugixml parse + walk"
  words[3] = "validate / decode"; words[4] = "encode / pugixml save, per byte written"; words[5] = "decode / expat alone"
  for (r = 1; r <= nr; r++) {
    split(rows[r], f, " "); t = f[3]; gsub("_", " ", t)
    row = "| ratio of Ir: " words[r] " |"
    for (j = 1; j <= nd; j++) row = row " " ratio(irb[f[1], docs[j]], irb[f[2], docs[j]]) " |"
    row = row " " ratio(perDoc[f[1], "empty"], perDoc[f[2], "empty"]) " | " t " |"
    print row
  }
  row = "| ratio of peak heap: decode / pugixml parse + walk |"
  for (j = 1; j <= nd; j++) row = row " " ratio(peak["decode", docs[j]], peak["pugixml", docs[j]]) " |"
  print row " " ratio(peak["decode", "empty"], peak["pugixml", "empty"]) " | |"
  print ""
  print "Ir/B: instructions under callgrind per input byte (* encoders: per byte written), each the mean of several"
  print "documents after a warm-up; heap: the most bytes held by malloc during the first run after set-up, per"
  print "document byte (pages: the context heap'"'"'s pages while the record is held). Near-empty: the same per document."
}'
