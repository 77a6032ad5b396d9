#include "app/window_size.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "render/view_steps.hpp"

namespace {

// 512 x 384, the window of an unscaled screen.
constexpr int unscaledSteps = 2;
// 4096 x 3072: more than any screen, a bound for a scale reported wrongly.
constexpr int mostSteps = 16;

// The smallest count at or above the exact quotient; the slack keeps a
// quotient a rounding error above a whole number at that number.
// A scale reported wrongly (none, or not a number) counts as pixels.
int unitsReaching(int pixels, double pixelsPerUnit) {
    if (!std::isfinite(pixelsPerUnit) || pixelsPerUnit <= 0.0) {
        return pixels;
    }
    constexpr double slack = 1e-6;
    return static_cast<int>(std::ceil(pixels / pixelsPerUnit - slack));
}

}  // namespace

WindowSize windowSizeFor(float scale, int workWidth, int workHeight) {
    // A step is a ratio of sizes, and at a half step the larger one is the
    // nearer in ratio: 768 is 1.2 times the 640 that 1.25 asks for, 512 is
    // 1.25 times smaller. The smaller window is the one that is hard to see.
    const double wanted = std::isfinite(scale) ? unscaledSteps * static_cast<double>(scale) : 0.0;
    int steps = static_cast<int>(std::floor(std::clamp(wanted, 0.0, double{mostSteps}) + 0.5));
    if (workWidth > 0 && workHeight > 0) {
        steps = std::min(steps, wholeSteps(workWidth, workHeight));
    }
    steps = std::max(steps, unscaledSteps);
    return {viewWidth * steps, viewHeight * steps};
}

WindowSize unitsReaching(WindowSize pixels, double pixelsPerUnitX, double pixelsPerUnitY) {
    return {unitsReaching(pixels.width, pixelsPerUnitX),
            unitsReaching(pixels.height, pixelsPerUnitY)};
}

WindowSize windowUnitsFor(const WindowMeasure& window, float scale, int workWidth, int workHeight) {
    if (window.units.width <= 0 || window.units.height <= 0 || window.pixels.width <= 0 ||
        window.pixels.height <= 0) {
        return window.units;
    }
    const double perUnitX = static_cast<double>(window.pixels.width) / window.units.width;
    const double perUnitY = static_cast<double>(window.pixels.height) / window.units.height;
    // An unknown work area (0 x 0) comes out below zero, and is not used.
    const WindowSize pixels = windowSizeFor(
        scale, workWidth - static_cast<int>(std::lround(window.frameWidth * perUnitX)),
        workHeight - static_cast<int>(std::lround(window.frameHeight * perUnitY)));
    return unitsReaching(pixels, perUnitX, perUnitY);
}

bool fillsScreen(const WindowMeasure& window, int screenWidth, int screenHeight) {
    if (window.units.width <= 0 || window.units.height <= 0) {
        return false;
    }
    // Short of a whole unit either way: below one pixel where units are pixels.
    const auto within = [](int pixels, int units, int screen) {
        return std::abs(pixels - screen) * units < pixels;
    };
    return within(window.pixels.width, window.units.width, screenWidth) &&
           within(window.pixels.height, window.units.height, screenHeight);
}
