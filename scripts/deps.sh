#!/usr/bin/env bash
# Install the Debian packages the build and the tests need, when missing.
set -euo pipefail
# libxml2-dev and libpugixml-dev are for tests and benchmarks only (the
# peers the library is measured and checked against); the libraries do not
# link them.
packages=(cmake ninja-build g++ clang-14 libclang-rt-14-dev libexpat1-dev libgtest-dev libbenchmark-dev libxml2-utils
          libxml2-dev libpugixml-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
