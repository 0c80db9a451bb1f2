#!/bin/sh
# build-release.sh BUILD
# Builds the 32-bit program that ships, afresh in the folder BUILD (emptied first): the one
# configuration of the release, for tools/release.sh and the test ReproducibleBuild alike.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
rm -rf "$build"
cmake -S "$root" -B "$build" -G "Unix Makefiles" --toolchain "$root/cmake/toolchain-mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target NorvasquelSetup --parallel 2
