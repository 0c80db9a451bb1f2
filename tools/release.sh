#!/bin/sh
# release.sh: makes the archive that users download, dist/NorvasquelSetup-<version>.zip, from a
# clean build of the 32-bit program in build/release, and prints its SHA-256. Two runs on one
# commit, with the same toolchain, give the same archive byte for byte (see pack-release.sh).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ ! -f docs/guide.ar.md ]; then
    echo "release.sh: docs/guide.ar.md is missing: the archive carries the guide, so there is no release without it." >&2
    exit 1
fi
tools/install-dependencies.sh
build=$root/build/release
tools/build-release.sh "$build"
archive=$(tools/pack-release.sh "$build")
mkdir -p dist
cp "$archive" dist/
sha256sum "dist/${archive##*/}"
