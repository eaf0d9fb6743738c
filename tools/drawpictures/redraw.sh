#!/bin/sh
# Redraws src/ui/pictures/playercard.jpg and screenshot.jpg (and screenshot_de.jpg
# and the like in the other game languages) with their @2x
# versions for screens of 150 % and more, and the window icon
# src/ui/pictures/icon.png and the desktop icons data/icons/SIZE/*.png from
# data/, and the web page's and the browser extension's icons (these need the
# Qt SVG image plugin).
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
for size in 192 512; do
    QT_QPA_PLATFORM=offscreen build/drawpictures/drawpictures --icon data/io.github.wagecourt.Wagecourt.svg \
        --size "$size" src/web/site/icons/wagecourt-$size.png
done
QT_QPA_PLATFORM=offscreen build/drawpictures/drawpictures --icon data/io.github.wagecourt.Wagecourt.svg \
    --size 512 --maskable src/web/site/icons/wagecourt-maskable-512.png
for size in 16 32; do
    QT_QPA_PLATFORM=offscreen build/drawpictures/drawpictures --icon data/io.github.wagecourt.Wagecourt.svg \
        --size "$size" src/web/extension/icons/wagecourt-$size.png
done
# The page downloads these: as small as their colours allow.
for icon in src/web/site/icons/wagecourt-*.png src/web/extension/icons/wagecourt-*.png; do
    pngquant --force --skip-if-larger --strip --output "$icon" -- "$icon" || [ $? -eq 98 ]
done
