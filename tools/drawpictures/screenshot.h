#pragma once

#include <QImage>
#include <QString>

#include <cstddef>

// screenshot.jpg, 278 x 129: a small browser screenshot that shows how to copy
// a player's skills from the game's player page, in the catalogue's language
// at the given index, as the page and the browser's menu show them in it.

// The picture's name without its extension: "screenshot", "screenshot_de".
QString screenshotName(std::size_t language);

QImage drawScreenshot(int scale, std::size_t language);
