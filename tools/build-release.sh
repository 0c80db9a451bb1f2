#!/bin/sh
# build-release.sh BUILD
# Builds the 32-bit program that ships, afresh in the folder BUILD (emptied first): the one
# configuration of the release, the mingw-i686 preset without tests, for tools/release.sh and
# the test ReproducibleBuild alike.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
rm -rf "$build"
cmake -S "$root" -B "$build" --preset mingw-i686 -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target NorvasquelSetup --parallel 2
