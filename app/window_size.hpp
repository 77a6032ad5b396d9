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
