#!/bin/sh
# with-display.sh COMMAND [ARGUMENTS...]
# Runs the command on a fresh Xvfb display of its own and stops the display afterwards.
set -eu
# Xvfb takes the first display number that it can listen on and writes it here once it is
# ready: two runs at once, even one in a chroot with a /tmp of its own, never share a display.
ready=$(mktemp)
# The one size of the scripts' displays: tools/wine-desktop.sh makes its desktop as large.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$ready"' EXIT
trap 'exit 130' INT TERM
for _ in $(seq 100); do
    [ -s "$ready" ] && break
    sleep 0.1
done
display_number=$(head -n 1 "$ready")
[ -n "$display_number" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$display_number" "$@"
