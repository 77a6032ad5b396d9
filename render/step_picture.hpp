#pragma once

#include "render/render_state.hpp"
#include "render/view_steps.hpp"

// Drawn straight into a view that is not a whole number of screen pixels to a
// world pixel, a tile's edge can fall exactly on a pixel centre. On a
// vertical edge the pixel goes to the tile on the right, whose s of 0 (a slot
// in the atlas's first column) comes out a hair below 0 and wraps to the
// atlas's unused, clear last column: a dark line down the sky. On a
// horizontal edge it goes to the tile above, whose bottom t is the first row
// of the slot below it in the atlas. Such a view is therefore drawn as a
// picture at a whole step, where edges fall between pixels, and that picture
// is stretched over it: every screen pixel shows the world pixel under its
// centre, as the whole-step picture has it.
struct StepPicture {
    // The whole step the picture is drawn at; 0 when the view is drawn
    // straight into the window instead.
    int steps = 0;
    // The picture, 256 x 192 times the steps.
    int width = 0;
    int height = 0;
    // The texture it is copied into: powers of two that hold it.
    int textureWidth = 0;
    int textureHeight = 0;
    // A picture larger than the window is drawn one window's worth at a time:
    // this many pieces across and down.
    int columns = 0;
    int rows = 0;
};

// The largest picture drawn: 4 steps, 1024 x 768 in a 1024 x 1024 texture of
// 4 MB. A larger one costs more to draw, copy and show every frame and looks
// no different: the tiles look alike from any step, and from 4 steps on the
// creature's texels (27 rows in 26 world pixels) differ in height by at most
// a quarter.
inline constexpr int maxPictureSteps = 4;

// A window smaller than one step draws its picture in window-sized pieces, a
// whole scene each; past this many, a frame would cost so much that the
// game slowed down, and the view is drawn straight.
inline constexpr int maxPicturePieces = 16;

// Whether the view shows each world pixel as a whole number of screen pixels
// across and down, so that drawing straight into it is exact.
constexpr bool wholePixels(const ViewportBox& view) {
    return view.width % viewWidth == 0 && view.height % viewHeight == 0;
}

// How a window of this many pixels shows the view in box `view`, given the
// largest texture side the GL takes.
StepPicture stepPictureFor(int windowWidth, int windowHeight, const ViewportBox& view,
                           int maxTextureSide);
