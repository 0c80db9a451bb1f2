#!/bin/sh
# wine-desktop.sh COMMAND [ARGUMENTS...]
# Runs the command with every Wine program of the build's prefix inside one Wine virtual
# desktop as large as the current display. On a display with no window manager, such as
# tools/with-display.sh's, Wine otherwise waits two seconds for every window it closes, and
# draws no frame or caption; the desktop draws them. The prefix keeps the setting until the
# next run prepares it (tools/prepare-wine.sh).
set -eu
. "$(dirname "$0")/wine-env.sh"
size=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*x[0-9]*\) pixels.*/\1/p')
# Not "Default": that is the ordinary desktop, which wine reg has already opened.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Norvasquel /f >/dev/null 2>&1
# Opened apart from this script's output, so that no later program's output waits on it.
wine explorer "/desktop=Norvasquel,$size" >/dev/null 2>&1 </dev/null &
for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q "Wine desktop" && break
    sleep 0.1
done
"$@"
