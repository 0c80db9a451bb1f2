#!/bin/sh
# prepare-wine.sh PREFIX [virtual-desktop]
# Makes the build's own Wine prefix once and keeps its wineserver running for what follows.
# With virtual-desktop, Wine draws its windows inside one desktop window: on a display with
# no window manager Wine otherwise waits two seconds for every window it closes.
# Windows maps the face "Arabic Transparent" to one with Arabic letters; Wine does not,
# so the prefix names a Debian font for it: Noto Sans Arabic UI, a plain sans like Windows'
# own, with lines low enough for the heading's three. ARABIC_TRANSPARENT_FACE names another
# (tools/screenshot.sh uses it to show the window in a wider face).
set -eu
wine_prefix="$1"
. "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX (about 15 s, once)"
    wineboot --init >/dev/null 2>&1
fi
# Debian's Wine leaves its own fonts out of the prefix; without Marlett the title bar's
# buttons show as letters.
for font in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf; do
    target="$WINEPREFIX/drive_c/windows/Fonts/$(basename "$font")"
    if [ -f "$font" ] && [ ! -f "$target" ]; then
        cp "$font" "$target"
    fi
done
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'Arabic Transparent' /d "${ARABIC_TRANSPARENT_FACE:-Noto Sans Arabic UI}" /f >/dev/null 2>&1
if [ "${2:-}" = virtual-desktop ]; then
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
else
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
fi
# Start afresh with one wineserver that stays for the whole run: the processes that making
# the prefix left behind have no display, and the desktop setting is read when one starts.
wineserver -k 2>/dev/null || true
timeout 10 wineserver -w || true
wineserver -p >/dev/null 2>&1 </dev/null
