#!/usr/bin/env bash
# check_exports.sh LIBRARY VERSION_SCRIPT [PUBLISHED_LIST]
# The library's dynamic symbols equal the names of the version script, and
# the script's names equal the published list of operations when given.
set -euo pipefail
lib=$1 map=$2 published=${3:-}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
nm -D --defined-only "$lib" | awk '$2 ~ /^[TDBR]$/ {print $3}' | sort -u > "$tmp/built"
grep -oE '^[[:space:]]+[A-Za-z_][A-Za-z0-9_]*;' "$map" | tr -d ' \t;' | sort -u > "$tmp/script"
if ! diff -u "$tmp/script" "$tmp/built"; then
  echo "exported symbols differ from $map" >&2
  exit 1
fi
if [ -n "$published" ] && [ -f "$published" ]; then
  sort -u "$published" > "$tmp/published"
  extra=$(comm -23 "$tmp/script" "$tmp/published")
  if [ -n "$extra" ]; then
    echo "not in the published list: $extra" >&2
    exit 1
  fi
  missing=$(comm -13 "$tmp/script" "$tmp/published")
  if [ -n "$missing" ]; then
    echo "published but not exported: $missing" >&2
    exit 1
  fi
  echo "$(wc -l < "$tmp/built") exported: exactly the published list"
else
  echo "$(wc -l < "$tmp/built") exported (published list not available)"
fi
