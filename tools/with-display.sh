#!/bin/sh
# with-display.sh COMMAND [ARGUMENTS...]
# Runs the command on a fresh Xvfb display of its own and stops the display afterwards.
set -eu
display_number=99
while [ -e "/tmp/.X${display_number}-lock" ] || [ -e "/tmp/.X11-unix/X${display_number}" ]; do
    display_number=$((display_number + 1))
done
Xvfb ":$display_number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT INT TERM
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display_number}" ] && break
    sleep 0.1
done
DISPLAY=":$display_number" "$@"
