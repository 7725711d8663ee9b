#!/usr/bin/env bash
# update_names.sh [BUILD_DIR]
# Rewrite the names the public headers take from the library's tables (the
# constants block of each module header and include/pxxml/simple/cxx/tables.hpp)
# and the operations' prototypes, after a change to the tables or exports.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target pxnames -j2
"$build/tools/pxnames/pxnames" write "$PWD"
python3 scripts/gen_prototypes.py "$PWD"
