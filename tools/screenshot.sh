#!/bin/sh
# Makes docs/window.png, a screenshot of the tool's window with its frame and caption.
# Installs what is missing and builds if needed (through tools/run.sh), then opens the tool
# from the demonstration folder build/demo on a display of its own (Xvfb), inside a Wine
# virtual desktop, which draws the frame that a bare Xvfb, with no window manager, would not.
set -eu
cd "$(dirname "$0")/.."
mkdir -p docs
tools/run.sh --screenshot docs/window.png
