#!/usr/bin/env bash
# check_install.sh BUILD_DIR SOURCE_DIR [CC] [CXX]
# Install the build into a temporary prefix and use it as a user would:
# the layout, SONAMEs and RUNPATHs of the installed files; a C program built
# with pkg-config and a C++ program built with find_package, both from copies
# outside the tree, resolving the installed libraries; and the same tree
# moved elsewhere still working (relative paths only).
set -euo pipefail
build=$(realpath "$1") src=$(realpath "$2") cc=${3:-cc} cxx=${4:-c++}
here=$src/tests/install
unset LD_LIBRARY_PATH PKG_CONFIG_LIBDIR
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "check_install: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" > "$tmp/install.log" || { cat "$tmp/install.log"; fail "install failed"; }

# Layout. The library directory is whatever GNUInstallDirs chose (lib,
# lib64 or a multiarch directory).
lib=$(dirname "$(find "$prefix" -name libpxxmlsimple.so.1.0.0 -print -quit)")
[ "$lib" != . ] || fail "no libpxxmlsimple.so.1.0.0 installed"
for f in include/pxxml/rt.h include/pxxml/simple/simple.h bin/pxsimple share/doc/pxxmlSimple/LICENSE; do
  [ -f "$prefix/$f" ] || fail "missing $f"
done
for f in pkgconfig/pxxmlcommon.pc pkgconfig/pxxmlsimple.pc pkgconfig/pxpresence.pc \
         cmake/pxxmlsimple/pxxmlsimpleConfig.cmake cmake/pxxmlsimple/pxxmlsimpleConfigVersion.cmake; do
  [ -f "$lib/$f" ] || fail "missing ${lib#"$prefix"/}/$f"
done
grep -q "Apache License" "$prefix/share/doc/pxxmlSimple/LICENSE" || fail "LICENSE is not the Apache licence"
for name in pxxmlcommon pxxmlsimple pxpresence; do
  [ -f "$lib/lib$name.so.1.0.0" ] || fail "missing lib$name.so.1.0.0"
  [ "$(readlink "$lib/lib$name.so.1")" = "lib$name.so.1.0.0" ] || fail "lib$name.so.1 does not point at .so.1.0.0"
  [ "$(readlink "$lib/lib$name.so")" = "lib$name.so.1" ] || fail "lib$name.so does not point at .so.1"
  soname=$(readelf -d "$lib/lib$name.so.1.0.0" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
  [ "$soname" = "lib$name.so.1" ] || fail "lib$name SONAME is '$soname'"
done

# RUNPATHs: none on the libraries, relative to the tool's own location on it.
runpath() { readelf -d "$1" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p'; }
for name in pxxmlcommon pxxmlsimple pxpresence; do
  [ -z "$(runpath "$lib/lib$name.so.1.0.0")" ] || fail "lib$name has a RUNPATH: $(runpath "$lib/lib$name.so.1.0.0")"
done
case "$(runpath "$prefix/bin/pxsimple")" in
  ""|'$ORIGIN'/*) ;;
  *) fail "pxsimple RUNPATH is $(runpath "$prefix/bin/pxsimple")" ;;
esac
# No text file of the tree names the source or build directory.
if leaks=$(grep -rlIF -e "$src" -e "$build" "$prefix"); then
  fail "installed files name the source or build tree: $leaks"
fi

# The runtime's private dependency on expat is declared exactly while it is linked.
export PKG_CONFIG_PATH=$lib/pkgconfig
expat_linked=no expat_declared=no expat_found=no
readelf -d "$lib/libpxxmlcommon.so.1.0.0" | grep -q 'NEEDED.*libexpat' && expat_linked=yes
pkg-config --print-requires-private pxxmlcommon | grep -qw expat && expat_declared=yes
grep -q 'find_dependency(EXPAT)' "$lib/cmake/pxxmlsimple/pxxmlsimpleConfig.cmake" && expat_found=yes
[ "$expat_linked" = "$expat_declared" ] || fail "expat linked: $expat_linked, in Requires.private: $expat_declared"
[ "$expat_linked" = "$expat_found" ] || fail "expat linked: $expat_linked, found by the CMake package: $expat_found"
[ "$(pkg-config --modversion pxxmlsimple)" = "$(pkg-config --modversion pxxmlcommon)" ] || fail "package versions differ"

# Each program must load both libraries from the installed directory.
# resolves_into EXE DIR [LIBRARY...]: the libraries (by default the codec's
# two) load from DIR. The tool is built on the codec's objects and loads the
# runtime and the partial presence library.
resolves_into() {
  local exe=$1 dir names
  dir=$(realpath "$2")
  shift 2
  names=${*:-libpxxmlsimple.so.1 libpxxmlcommon.so.1}
  for name in $names; do
    local path
    path=$(ldd "$exe" | awk -v n="$name" '$1 == n {print $3}')
    [ -n "$path" ] && [ "$path" != "not" ] || fail "$(basename "$exe"): $name not found"
    [ "$(dirname "$(realpath "$path")")" = "$dir" ] || fail "$(basename "$exe"): $name from $path, not $dir"
  done
}

work=$tmp/work
mkdir -p "$work"
cp -r "$here/pkgconfig_client.c" "$here/cmake_client" "$work/"

build_c_client() {
  local out=$1 flags
  flags=$(pkg-config --cflags --libs pxxmlsimple)
  case "$flags" in *"$src"*|*"$build"*) fail "pkg-config flags name the source or build tree: $flags" ;; esac
  # shellcheck disable=SC2086
  "$cc" -std=c11 -Wall -Wextra -Werror -o "$out" "$work/pkgconfig_client.c" $flags \
    -Wl,-rpath,"$(pkg-config --variable=libdir pxxmlsimple)"
}
build_c_client "$work/c_client"
resolves_into "$work/c_client" "$lib"
"$work/c_client"

cmake -S "$work/cmake_client" -B "$work/cmake_build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF > "$tmp/client.log" 2>&1 \
  || { cat "$tmp/client.log"; fail "find_package(pxxmlsimple) failed"; }
grep "pxxmlsimple 1" "$tmp/client.log"
cmake --build "$work/cmake_build" > "$tmp/client-build.log" 2>&1 || { cat "$tmp/client-build.log"; fail "the CMake client does not build"; }
if grep -qF -e "$src" -e "$build" "$work/cmake_build/build.ninja"; then
  fail "the CMake client is built with paths into the source or build tree"
fi
resolves_into "$work/cmake_build/cmake_client" "$lib"
"$work/cmake_build/cmake_client"

# Moved elsewhere, the tree still works: the tool finds its libraries and
# pkg-config points into the new place.
moved=$tmp/moved
mv "$prefix" "$moved"
lib=${lib/#"$prefix"/"$moved"}
export PKG_CONFIG_PATH=$lib/pkgconfig
resolves_into "$moved/bin/pxsimple" "$lib" libpxxmlcommon.so.1 libpxpresence.so.1
[ "$("$moved/bin/pxsimple" check "$src/samples/presence.xml")" = "$src/samples/presence.xml: valid" ] || fail "the moved tool does not check the sample"
build_c_client "$work/c_client_moved"
resolves_into "$work/c_client_moved" "$lib"
"$work/c_client_moved" > /dev/null
echo "installed tree: layout, SONAMEs, RUNPATHs, pkg-config and CMake clients, relocation all good"
