#pragma once

#include <algorithm>

#include "render/view.hpp"

// Shown larger than itself, the view is shown in whole steps of its own
// size, so that every world pixel covers the same square of screen pixels:
// at 3.75 screen pixels a world pixel, some would come out 3 wide and some 4,
// in a pattern across the picture. The desktop's fullscreen and window and
// the page's canvas all take their size from here.

// How many whole steps of the view fit in width x height pixels: 768 x 576
// (3) on a 1280 x 720 screen, 1280 x 960 (5) on 1920 x 1080. 0 when not
// even one does.
constexpr int wholeSteps(int width, int height) {
    if (width < viewWidth || height < viewHeight) {
        return 0;
    }
    return std::min(width / viewWidth, height / viewHeight);
}
