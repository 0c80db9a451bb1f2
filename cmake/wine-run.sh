#!/bin/sh
# wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
# Runs a Windows program under Wine in the given prefix (the build's own, never ~/.wine),
# with the loader that the scripts chose, if any.
WINEPREFIX="$1"
shift
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
exec "${WINELOADER:-wine}" "$@"
