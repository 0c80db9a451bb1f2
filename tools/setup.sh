#!/bin/sh
# setup.sh [TARGET...]
# The first steps of run.sh, test.sh and benchmark.sh: installs what is missing, configures,
# builds the targets (all of them when none is given) and prepares the Wine prefix. The
# prefix's wineserver is left running; the caller stops it (stop_wine_at_exit in wine-env.sh).
set -eu
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
# Which build Wine can run is known only once Wine is installed.
. tools/wine-env.sh
if [ $# -gt 0 ]; then
    set -- --target "$@"
fi
# The 32-bit program is what ships: build it even where Wine runs the 64-bit build.
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686 "$@"
if [ "$preset" != mingw-i686 ]; then
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" "$@"
fi
tools/prepare-wine.sh
