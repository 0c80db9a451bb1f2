#!/bin/sh
# screenshot.sh [FACE FILE | --high-contrast FILE]
# Makes docs/window.png, a screenshot of the tool's window with its frame and caption; with
# FACE and FILE, a screenshot into FILE with "Arabic Transparent" mapped to FACE instead of
# the prefix's usual face (the next script that prepares the prefix maps it back); with
# --high-contrast and FILE, a screenshot into FILE with High Contrast Black's text and background
# colours in the prefix (the next script that prepares the prefix sets Wine's own back).
# Installs what is missing and builds if needed (through tools/run.sh), then opens the tool
# from the demonstration folder build/demo on a display of its own (Xvfb), inside a Wine
# virtual desktop, which draws the frame that a bare Xvfb, with no window manager, would not.
set -eu
cd "$(dirname "$0")/.."
mkdir -p docs
if [ $# -eq 2 ] && [ "$1" = --high-contrast ]; then
    SYSTEM_COLOURS=high-contrast-black tools/run.sh --screenshot "$2"
elif [ $# -eq 2 ]; then
    ARABIC_TRANSPARENT_FACE="$1" tools/run.sh --screenshot "$2"
else
    tools/run.sh --screenshot docs/window.png
fi
