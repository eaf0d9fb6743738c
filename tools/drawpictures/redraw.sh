#!/bin/sh
# Redraws src/ui/pictures/playercard.jpg and screenshot.jpg.
# Run from the repository root.
set -eu
cmake -S tools/drawpictures -B build/drawpictures -G Ninja
cmake --build build/drawpictures --parallel 2
QT_QPA_PLATFORM=offscreen build/drawpictures/drawpictures src/ui/pictures
