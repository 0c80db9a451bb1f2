#!/bin/sh
# Installs what is missing, builds the tool and its tests, and runs every test under Wine
# on a display of its own.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
. tools/wine-env.sh
stop_wine_at_exit
echo "Testing the $preset build in $build"
tools/with-display.sh tools/wine-desktop.sh ctest --preset "$preset"
