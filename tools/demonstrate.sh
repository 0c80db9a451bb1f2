#!/bin/sh
# demonstrate.sh PROGRAM look PNG | demonstrate.sh PROGRAM install PNG BOX_PNG
# Drives the tool for tools/run.sh on the current display, inside the prefix's virtual desktop
# (tools/wine-desktop.sh, which draws the window's frame and caption). demo_driver.exe starts
# PROGRAM; once its window is up, this script takes a screenshot of it into PNG. With install,
# the driver then presses install, this script takes a screenshot of the message box into
# BOX_PNG, the driver answers the box, and this script prints what the box said and the new
# line of c:\InstallationLog.txt in UTF-8.
set -eu
. "$(dirname "$0")/wine-env.sh"
program=$1
mode=$2
png=$3
box_png=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log=$WINEPREFIX/drive_c/InstallationLog.txt
log_size=$(stat -c %s "$log" 2>/dev/null || echo 0)
rm -f "$png" ${box_png:+"$box_png"}

wine "$build/tools/demo_driver.exe" "$(windows_path "$program")" "$(windows_path "$work")" "$mode" \
    >"$work/wine.log" 2>&1 &
driver_pid=$!
# shoot NAME PNG: waits for the driver to write NAME.txt, the rectangle of one of the tool's
# windows, takes a screenshot of it into PNG and lets the driver go on.
shoot() {
    tries=0
    while [ ! -f "$work/$1.txt" ] && [ ! -f "$work/report.txt" ] && kill -0 "$driver_pid" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -le 600 ] || break
        sleep 0.1
    done
    if [ -f "$work/$1.txt" ]; then
        # The desktop fills the display, so a window's place on it is its place on the display.
        read -r left top width height <"$work/$1.txt"
        import -window root -crop "${width}x${height}+${left}+${top}" +repage "$2" ||
            echo "Could not take the screenshot." >&2
    fi
    : >"$work/$1.go"
}
shoot window "$png"
[ "$mode" != install ] || shoot box "$box_png"
wait "$driver_pid" || true

if [ ! -f "$work/report.txt" ] || grep -q '^error=' "$work/report.txt"; then
    printf 'The demonstration failed: %s\n' "$(sed -n 's/^error=//p' "$work/report.txt" 2>/dev/null)" >&2
    tail -n 20 "$work/wine.log" >&2
    exit 1
fi
if [ "$mode" = install ]; then
    title=$(sed -n 's/^title=//p' "$work/report.txt")
    text=$(sed -n 's/^text=//p' "$work/report.txt")
    code_page=$(sed -n 's/^acp=//p' "$work/report.txt")
    printf 'Message box "%s": %s (answered with OK; then the exit button closed the tool)\n' "$title" "$text"
    new_size=$(stat -c %s "$log" 2>/dev/null || echo 0)
    [ "$new_size" -ge "$log_size" ] || log_size=0
    printf 'New line in c:\\InstallationLog.txt (%s, ANSI code page %s, shown here in UTF-8):\n' \
        "$log" "$code_page"
    tail -c +"$((log_size + 1))" "$log" | iconv -f "CP$code_page" -t UTF-8 | tr -d '\r'
    [ "$code_page" = 1256 ] ||
        echo "(Code page $code_page has no Arabic letters, so they are stored as '?'; Arabic Windows uses 1256.)"
fi
printf 'Screenshot of the window: %s\n' "$png"
[ "$mode" != install ] || printf 'Screenshot of the message box: %s\n' "$box_png"
