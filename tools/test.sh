#!/bin/sh
# Installs what is missing, builds the tool and its tests, and runs every test under Wine
# on a display of its own.
set -eu
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686
tools/prepare-wine.sh "$PWD/build/wineprefix"
status=0
tools/with-display.sh ctest --preset mingw-i686 || status=$?
WINEPREFIX="$PWD/build/wineprefix" wineserver -k || true
exit "$status"
