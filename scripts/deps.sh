#!/usr/bin/env bash
# What building the libraries and the tool needs. scripts/test-deps.sh adds
# what the tests, benchmarks and fuzzing need.
set -euo pipefail
exec "$(dirname "$0")/apt-install.sh" cmake ninja-build g++ libexpat1-dev pkg-config libpugixml-dev nlohmann-json3-dev
