#!/usr/bin/env bash
# update_exports.sh BUILD_DIR [PUBLISHED_LIST]
# Rewrite the library's version script from the operations its objects
# define. Every exported name must be in the published list of operations.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
published=${2:-../shared/exports.txt}
objs=$(find "$build/xmladdons/addons/simple/CMakeFiles/pxxmlsimple.dir" -name '*.o')
names=$(nm -g --defined-only $objs | awk '$2 == "T" && $3 ~ /^Px/ {print $3}' | sort -u)
if [ -f "$published" ]; then
  extra=$(comm -23 <(echo "$names") <(sort -u "$published"))
  if [ -n "$extra" ]; then
    echo "defined but not in $published:" >&2
    echo "$extra" >&2
    exit 1
  fi
fi
{
  echo "/* The exported operations of libpxxmlsimple; a test compares this list with"
  echo " * the library's dynamic symbols and with the published list of operations."
  echo " * Rewritten by scripts/update_exports.sh. */"
  echo "{"
  echo "  global:"
  echo "$names" | sed 's/^/    /; s/$/;/'
  echo "  local:"
  echo "    *;"
  echo "};"
} > xmladdons/addons/simple/exports.map
echo "$(echo "$names" | wc -l) operations exported"
