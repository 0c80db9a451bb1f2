#!/bin/sh
# Installs what is missing, builds the tool and its tests, and runs every test under Wine
# on a display of its own.
set -eu
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
. tools/wine-env.sh
echo "Testing the $preset build in $build"
# The 32-bit program is what ships: build it even where its tests run on the 64-bit build.
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686
if [ "$preset" != mingw-i686 ]; then
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
fi
tools/prepare-wine.sh "$WINEPREFIX" virtual-desktop
trap 'wineserver -k 2>/dev/null || true' EXIT INT TERM
tools/with-display.sh tools/wine-desktop.sh "$WINEPREFIX" ctest --preset "$preset"
