#!/bin/sh
# run.sh: installs what is missing, builds the tool, lays out a demonstration application
# folder in build/demo (the tool and two harmless setup scripts) and runs the tool from there
# under Wine, in the build's own prefix (see wine-env.sh).
#   With a display ($DISPLAY set) the tool opens on it; run.sh returns when it is closed.
#   Without one, a demonstration runs on a display of its own (Xvfb), under the Arabic locale
#   (ANSI code page 1256, as on an Arabic Windows): demo_driver.exe presses install
#   as a person would and answers the message box, and run.sh prints what the box said, the new
#   line of c:\InstallationLog.txt in UTF-8 and a screenshot of the window.
# run.sh --screenshot FILE: only takes the screenshot, on a display of its own, into FILE.
set -eu
. "$(dirname "$0")/wine-env.sh"
cd "$root"
demo=$root/build/demo

# on_display install|look PNG: drives the tool on the current display, inside a Wine virtual
# desktop (which draws the window's frame and caption; a bare Xvfb has no window manager).
on_display() {
    mode=$1
    png=$2
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    desktop="NorvasquelDemo$$"
    log=$WINEPREFIX/drive_c/InstallationLog.txt
    log_size=$(stat -c %s "$log" 2>/dev/null || echo 0)
    rm -f "$png"

    wine explorer "/desktop=$desktop,1024x700" "$(windows_path "$build/tools/demo_driver.exe")" \
        "$(windows_path "$demo/NorvasquelSetup.exe")" "$(windows_path "$work")" "$mode" 2>"$work/wine.log" &
    wine_pid=$!
    tries=0
    while [ ! -f "$work/window.txt" ] && [ ! -f "$work/report.txt" ] && kill -0 "$wine_pid" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -le 600 ] || break
        sleep 0.1
    done
    if [ -f "$work/window.txt" ]; then
        read -r left top width height <"$work/window.txt"
        import -window "$desktop - Wine desktop" -crop "${width}x${height}+${left}+${top}" +repage "$png" ||
            echo "Could not take the screenshot." >&2
    fi
    : >"$work/go"
    wait "$wine_pid" || true

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
}

mode=run
case "${1:-}" in
"") ;;
--on-display) on_display "$2" "$3"; exit 0 ;;  # run.sh's own use, through with-display.sh
--screenshot) [ $# -eq 2 ] || { echo "usage: $0 [--screenshot FILE]" >&2; exit 2; }
    mode=look
    png=$(realpath -m "$2") ;;
*) echo "usage: $0 [--screenshot FILE]" >&2; exit 2 ;;
esac

stop_wine_at_exit
tools/setup.sh
. tools/wine-env.sh

mkdir -p "$demo/Components"
cp "$build/bin/NorvasquelSetup.exe" "$demo/"
for bits in 32 64; do
    printf '%s\r\n' '@echo off' \
        "rem A stand-in for the accounting application's ${bits}-bit setup script: it changes nothing." \
        "echo Installing the ${bits}-bit operating system files (demonstration: nothing is installed)..." \
        'rem Waits about 3 seconds, as ping waits a second between its 4 tries.' \
        'ping -n 4 127.0.0.1 >nul' \
        'echo Done.' \
        'exit /b 0' >"$demo/Components/Is${bits}BitNorvasquel.bat"
done

status=0
if [ "$mode" = look ]; then
    tools/with-display.sh tools/run.sh --on-display look "$png" || status=$?
elif [ -n "${DISPLAY:-}" ]; then
    wine "$demo/NorvasquelSetup.exe" || status=$?
else
    echo "There is no display (\$DISPLAY is not set): running a demonstration under Xvfb instead."
    LANG=ar_SA.UTF-8 LC_ALL=ar_SA.UTF-8 \
        tools/with-display.sh tools/run.sh --on-display install "$root/build/demo-window.png" || status=$?
fi
exit "$status"
