#!/bin/sh
# run.sh: installs what is missing, builds the tool, lays out a demonstration application
# folder in build/demo (the tool and two harmless setup scripts) and runs the tool from there
# under Wine, in the build's own prefix (see wine-env.sh).
#   With a display ($DISPLAY set) the tool opens on it; run.sh returns when it is closed.
#   Without one, a demonstration runs on a display of its own (Xvfb), under the Arabic locale
#   (ANSI code page 1256, as on an Arabic Windows): tools/demonstrate.sh presses install as a
#   person would and answers the message box, and prints what the box said, the new line of
#   c:\InstallationLog.txt in UTF-8 and screenshots of the window and of the box.
# run.sh --screenshot FILE: only takes the screenshot, on a display of its own, into FILE.
set -eu
cd "$(dirname "$0")/.."
mode=run
case "${1:-}" in
"") [ -n "${DISPLAY:-}" ] || mode=install ;;
--screenshot) [ $# -eq 2 ] || { echo "usage: $0 [--screenshot FILE]" >&2; exit 2; }
    mode=look
    png=$(realpath -m "$2") ;;
*) echo "usage: $0 [--screenshot FILE]" >&2; exit 2 ;;
esac

# Only what runs is built: the tests take minutes more.
if [ "$mode" = run ]; then
    tools/setup.sh NorvasquelSetup
else
    tools/setup.sh NorvasquelSetup demo_driver
fi
. tools/wine-env.sh
stop_wine_at_exit

demo=$root/build/demo
mkdir -p "$demo/Components"
cp "${build}/bin/NorvasquelSetup.exe" "$demo/"
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
case $mode in
run) wine "$demo/NorvasquelSetup.exe" || status=$? ;;
look) tools/with-display.sh tools/wine-desktop.sh tools/demonstrate.sh "$demo/NorvasquelSetup.exe" look "$png" ||
    status=$? ;;
install)
    echo "There is no display (\$DISPLAY is not set): running a demonstration under Xvfb instead."
    LANG=ar_SA.UTF-8 LC_ALL=ar_SA.UTF-8 tools/with-display.sh tools/wine-desktop.sh \
        tools/demonstrate.sh "$demo/NorvasquelSetup.exe" install "$root/build/demo-window.png" \
        "$root/build/demo-box.png" || status=$? ;;
esac
exit "$status"
