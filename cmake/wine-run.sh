#!/bin/sh
# wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
# Runs a Windows program under Wine in the given prefix (the build's own, never ~/.wine),
# with the loader that tools/wine-env.sh chooses.
wine_prefix="$1"
shift
. "$(dirname "$0")/../tools/wine-env.sh"
exec wine "$@"
