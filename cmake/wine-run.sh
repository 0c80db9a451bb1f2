#!/bin/sh
# wine-run.sh PROGRAM [ARGUMENTS...]
# Runs a Windows program under Wine in the build's own prefix, never ~/.wine, with the loader
# that tools/wine-env.sh chooses.
. "$(dirname "$0")/../tools/wine-env.sh"
exec wine "$@"
