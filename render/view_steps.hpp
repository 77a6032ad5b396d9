#pragma once

#include <algorithm>

// Shown larger than itself, the world's 256 x 192 view is shown in whole
// steps of that size, so that every world pixel covers the same square of
// screen pixels: at 3.75 screen pixels a world pixel, some would come out 3
// wide and some 4, in a pattern across the picture. The desktop's fullscreen
// and window and the page's canvas all take their size from here.
inline constexpr int viewStepWidth = 256;
inline constexpr int viewStepHeight = 192;

// How many whole steps of the view fit in width x height pixels: 768 x 576
// (3) on a 1280 x 720 screen, 1280 x 960 (5) on 1920 x 1080. 0 when not
// even one does.
constexpr int wholeSteps(int width, int height) {
    if (width < viewStepWidth || height < viewStepHeight) {
        return 0;
    }
    return std::min(width / viewStepWidth, height / viewStepHeight);
}
