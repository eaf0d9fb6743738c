#!/bin/sh
# Redraws src/ui/pictures/playercard.jpg and screenshot.jpg (and screenshot_de.jpg
# and the like in the other game languages) with their @2x
# versions for screens of 150 % and more, and the window icon
# src/ui/pictures/icon.png and the desktop icons data/icons/SIZE/*.png from
# data/ (these need the Qt SVG image plugin).
# Run from the repository root.
set -eu
cmake -S tools/drawpictures -B build/drawpictures -G Ninja
cmake --build build/drawpictures --parallel 2
QT_QPA_PLATFORM=offscreen build/drawpictures/drawpictures src/ui/pictures
QT_QPA_PLATFORM=offscreen build/drawpictures/drawpictures --icon data/io.github.wagecourt.Wagecourt.svg src/ui/pictures/icon.png
for size in 48 128 256; do
    mkdir -p data/icons/$size
    QT_QPA_PLATFORM=offscreen build/drawpictures/drawpictures --icon data/io.github.wagecourt.Wagecourt.svg \
        --size "$size" data/icons/$size/io.github.wagecourt.Wagecourt.png
done
