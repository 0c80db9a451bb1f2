#!/bin/sh
# Installs what is missing, builds the tool and its tests, and runs every test under Wine
# on a display of its own.
set -eu
. "$(dirname "$0")/wine-env.sh"
cd "$root"
stop_wine_at_exit
tools/setup.sh --virtual-desktop
. tools/wine-env.sh
echo "Testing the $preset build in $build"
tools/with-display.sh tools/wine-desktop.sh "$WINEPREFIX" ctest --preset "$preset"
