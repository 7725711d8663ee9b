#!/usr/bin/env bash
# What the whole test suite needs besides the build: GoogleTest, Google
# Benchmark, clang 14 with its sanitizer and fuzzer runtimes, pugixml and
# nlohmann-json (tests and tool), libxml2 and xmllint (schema checks).
set -euo pipefail
here=$(dirname "$0")
"$here/deps.sh"
exec "$here/apt-install.sh" libgtest-dev libbenchmark-dev clang-14 libclang-rt-14-dev \
  libpugixml-dev nlohmann-json3-dev libxml2-dev libxml2-utils
