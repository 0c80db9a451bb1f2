#!/bin/sh
# release.sh: makes the archive that users download, dist/NorvasquelSetup-<version>.zip, from a
# clean build of the 32-bit program in build/release, and prints its SHA-256. Where
# NORVASQUEL_SIGNING_CERTIFICATE names a code-signing certificate, the archive holds the program
# signed with it (tools/sign.sh); otherwise it holds the program unsigned, and says so. Two
# unsigned runs on one commit, with the same toolchain, give the same archive byte for byte (see
# pack-release.sh).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-dependencies.sh
# A release that stops leaves no archive behind, not even an earlier run's.
rm -f dist/NorvasquelSetup-*.zip
build=$root/build/release
tools/build-release.sh "$build"
program=${build}/bin/NorvasquelSetup.exe
if [ -n "${NORVASQUEL_SIGNING_CERTIFICATE:-}" ]; then
    mkdir "$build/signed"
    tools/sign.sh "$program" "$build/signed/NorvasquelSetup.exe"
    program=$build/signed/NorvasquelSetup.exe
    echo "NorvasquelSetup.exe is signed with $NORVASQUEL_SIGNING_CERTIFICATE."
else
    echo "NorvasquelSetup.exe is UNSIGNED: NORVASQUEL_SIGNING_CERTIFICATE names no certificate, so Windows will name no publisher."
fi
archive=$(tools/pack-release.sh "$build" "$program")
mkdir -p dist
cp "$archive" dist/
sha256sum "dist/${archive##*/}"
