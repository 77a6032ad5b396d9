#pragma once

// How large the game's window opens for the screen it opens on.
struct WindowSize {
    int width = 0;
    int height = 0;

    bool operator==(const WindowSize&) const = default;
};

// The window for a monitor of this content scale (1 unscaled, 1.5 at 150 %, 2
// at 200 %) and this work area in pixels (0 x 0 when it is not known): the
// 512 x 384 of an unscaled screen times the scale, to the nearest whole step
// of the world's view, halves upward (1.25 gives 768 x 576, 1.75 gives
// 1024 x 768); no larger than the largest whole step that fits the work
// area, and never smaller than 512 x 384, the window's size ever since.
WindowSize windowSizeFor(float scale, int workWidth, int workHeight);

// A window as GLFW measures it. Its size and frame are in the
// window's own units, which are pixels on X and Windows; on a scaled Wayland
// desktop a unit is as many pixels as the scale, and only the framebuffer
// tells how many. A monitor's work area is in pixels everywhere.
struct WindowMeasure {
    WindowSize units;
    WindowSize pixels;    // the framebuffer
    int frameWidth = 0;   // the frame's left and right edges together
    int frameHeight = 0;  // its top and bottom
};

// The fewest of a window's units, of these many pixels each, that reach
// these pixels: GLFW truncates units times the scale to whole pixels.
WindowSize unitsReaching(WindowSize pixels, double pixelsPerUnitX, double pixelsPerUnitY);

// The size, in the window's own units, at which its framebuffer is
// windowSizeFor's pixels for this scale, the frame kept inside the work area
// (pixels; 0 x 0 when it is not known). A window with nothing to measure by
// (minimised) keeps its size.
WindowSize windowUnitsFor(const WindowMeasure& window, float scale, int workWidth, int workHeight);

// Whether the window's framebuffer is as large as a screen of this many
// pixels: exactly where units are pixels, and where the desktop sizes the
// window in units of more than a pixel, to within one unit's rounding.
bool fillsScreen(const WindowMeasure& window, int screenWidth, int screenHeight);
