#!/bin/sh
# wine-desktop.sh PREFIX COMMAND [ARGUMENTS...]
# Opens the prefix's virtual desktop on the current display, apart from this script's
# output, so that no later program's output waits on it, then runs the command.
set -eu
wine_prefix="$1"
shift
. "$(dirname "$0")/wine-env.sh"
wine explorer /desktop=Default,1280x800 >/dev/null 2>&1 </dev/null &
for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q "Wine desktop" && break
    sleep 0.1
done
"$@"
