#!/bin/sh
# Installs what is missing, builds the tool and its tests, and runs every test under Wine
# on a display of its own.
set -eu
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686
tools/prepare-wine.sh "$PWD/build/wineprefix" virtual-desktop
trap 'WINEPREFIX="$PWD/build/wineprefix" wineserver -k 2>/dev/null || true' EXIT INT TERM
tools/with-display.sh tools/wine-desktop.sh "$PWD/build/wineprefix" ctest --preset mingw-i686
