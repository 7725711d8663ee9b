#!/usr/bin/env bash
# check_header_prototypes.sh INCLUDE_DIR VERSION_SCRIPT [PUBLISHED_LIST]
# The public headers declare, one plain prototype each, exactly the
# operations of the published list (the version script's names when the
# list is absent): no operation hidden behind a macro, none missing, none
# declared twice.
set -euo pipefail
include=$1 map=$2 published=${3:-}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The name of every prototype: the identifier before the first parenthesis
# of each line that opens a declaration.
grep -h '^PX_API ' "$include"/pxxml/simple/*.h | sed -E 's/^[^(]*[^A-Za-z0-9_]([A-Za-z_][A-Za-z0-9_]*)\(.*/\1/' \
  | sort > "$tmp/declared"
if [ -n "$published" ] && [ -f "$published" ]; then
  sort -u "$published" > "$tmp/expected"
  source="the published list"
else
  grep -oE '^[[:space:]]+[A-Za-z_][A-Za-z0-9_]*;' "$map" | tr -d ' \t;' | sort -u > "$tmp/expected"
  source="$map"
fi
twice=$(uniq -d "$tmp/declared")
if [ -n "$twice" ]; then
  echo "declared more than once: $twice" >&2
  exit 1
fi
if ! diff -u "$tmp/expected" "$tmp/declared"; then
  echo "the public headers' prototypes differ from $source (- expected, + declared)" >&2
  exit 1
fi
# Nothing is declared through a macro any more.
if grep -nE '^[[:space:]]*PX_DECLARE_|PX_[A-Z_]+\(PX_' "$include"/pxxml/simple/*.h; then
  echo "operations declared through macros" >&2
  exit 1
fi
echo "$(wc -l < "$tmp/declared") prototypes: exactly $source"
