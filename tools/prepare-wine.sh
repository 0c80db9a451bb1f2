#!/bin/sh
# Makes the build's own Wine prefix once and keeps its wineserver running for what follows.
# Windows maps the face "Arabic Transparent" to one with Arabic letters; Wine does not,
# so the prefix names a Debian font for it: Noto Sans Arabic UI, a plain sans like Windows'
# own, with lines low enough for the heading's three. ARABIC_TRANSPARENT_FACE names another
# (tools/screenshot.sh uses it to show the window in a wider face).
set -eu
. "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX (about 15 s, once)"
    # The prefix keeps the character set of the locale it is made under in its system fonts
    # (title bars, message boxes, menus). Made under the Arabic one, they ask for a face with
    # Arabic letters under every locale; made under another, Wine may pick one without them.
    LC_ALL=ar_SA.UTF-8 wineboot --init >/dev/null 2>&1
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
# The text and background colours that programs take as they start: Wine's own, or with
# SYSTEM_COLOURS=high-contrast-black those of Windows' High Contrast Black (tools/screenshot.sh
# uses it to show the window in that theme).
if [ "${SYSTEM_COLOURS:-}" = high-contrast-black ]; then
    set -- ButtonText '255 255 255' WindowText '255 255 255' ButtonFace '0 0 0' Window '0 0 0'
else
    set -- ButtonText '0 0 0' WindowText '0 0 0' ButtonFace '245 245 245' Window '255 255 255'
fi
while [ $# -gt 0 ]; do
    wine reg add 'HKCU\Control Panel\Colors' /v "$1" /d "$2" /f >/dev/null 2>&1
    shift 2
done
# Each run starts with Wine's windows on the display itself: tools/wine-desktop.sh sets a virtual
# desktop for the command it runs, and a run stopped early may have left that setting.
wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
# Start afresh with one wineserver that stays for the whole run: the processes that making
# the prefix left behind have no display.
wineserver -k 2>/dev/null || true
timeout 10 wineserver -w || true
wineserver -p >/dev/null 2>&1 </dev/null
