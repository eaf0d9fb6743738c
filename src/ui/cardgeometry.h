#pragma once

// The player card: the picture behind the salary form, and where the form's
// controls lie on it. The window lays its controls out in twips and shows the
// picture at its own size; tools/drawpictures draws the picture's bands, plates
// and lines where those controls fall at 96 dpi. Both take the geometry from
// here, so neither can move without the other; after a change, redraw the
// pictures (tools/drawpictures/redraw.sh).
//
// Constants only, no Qt: the drawing tool includes this without the window.

#include <array>

namespace wagecourt::ui {

// A control's place in twips.
struct Place
{
    int left, top, width, height;
};

namespace card {

// The picture's pixels, at the 96 dpi the window was laid out at.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kWidth = 581; // pixels
inline constexpr int kHeight = 206;
// The card spans the window under the strip of buttons.
inline constexpr Place kPlace{0, 375, kWidth * kTwipsPerPixel, kHeight * kTwipsPerPixel};

// The skill captions' rows, one every 17 pixels: six in both columns, then the
// left column's last one after a gap of one row.
inline constexpr std::array<int, 6> kSkillRowTops = {1005, 1260, 1515, 1770, 2025, 2280};
inline constexpr int kLastLeftRowTop = 2790;
inline constexpr int kLeftColumn = 3870;
inline constexpr int kRightColumn = 6240;
inline constexpr int kCaptionHeight = 195;

// The salary's number and the name of the best position.
inline constexpr Place kSalary{2190, 1275, 1215, 255};
inline constexpr Place kPosition{6600, 555, 1290, 210};

// A distance or a place of the window in the picture's own pixels.
constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int pixelsFromTop(int twips) { return pixels(twips - kPlace.top); }

// Each band of skills begins this many pixels before its captions, with a thin
// accent that the captions' text must not reach.
inline constexpr int kBandLead = 6;

// Lines of the picture that text must not touch, in the picture's own pixels:
// the rule between the salary and the skills, the accent that begins each band
// of the right column, and the inner edge of the frame at the right.
inline constexpr int kRuleX = 246;
inline constexpr int kRightBandX = pixels(kRightColumn) - kBandLead;
inline constexpr int kFrameWidth = 2;
inline constexpr int kFrameX = kWidth - kFrameWidth;

namespace detail {
constexpr bool onPixels(int twips) { return twips % kTwipsPerPixel == 0; }
constexpr bool rowsOnPixels()
{
    for (int top : kSkillRowTops)
        if (!onPixels(top - kPlace.top))
            return false;
    return onPixels(kLastLeftRowTop - kPlace.top);
}
} // namespace detail

// The picture is drawn in whole pixels: a place between two would leave a band
// or a plate half a pixel off its text.
static_assert(detail::rowsOnPixels() && detail::onPixels(kLeftColumn) && detail::onPixels(kRightColumn));
static_assert(detail::onPixels(kSalary.left) && detail::onPixels(kSalary.top - kPlace.top)
              && detail::onPixels(kSalary.width) && detail::onPixels(kSalary.height));
static_assert(detail::onPixels(kPosition.left) && detail::onPixels(kPosition.top - kPlace.top));

} // namespace card

} // namespace wagecourt::ui
