#pragma once

#include <cstdint>

#include "render/view.hpp"

// The view's projection, seen from 830 units above the map looking straight
// down.
inline constexpr double viewLeft = -viewHalfWidth;
inline constexpr double viewRight = viewHalfWidth;
inline constexpr double viewBottom = -viewHalfHeight;
inline constexpr double viewTop = viewHalfHeight;
inline constexpr double viewNear = 100.0;
inline constexpr double viewFar = 1500.0;

// The fixed render state, set once: depth, blending, alpha test, culling,
// texturing.
void setupGlState();

// The fixed state, the tile atlas decoded into `tileset`, and the projection.
void setupRenderer(std::uint32_t& tileset);

// How the view fills the window: stretched over all of it (a window), or in
// the largest whole step of 256 x 192 that fits, centred, black around it
// (fullscreen, where a wide screen would otherwise stretch it and any other
// size would draw world pixels of uneven widths).
enum class ViewFit : std::uint8_t { stretched, wholeSteps };

// Where the view goes in a window of this many pixels.
ViewportBox viewportFor(int width, int height, ViewFit fit);

// Viewport and projection for a window of this many pixels.
void onWindowResize(int width, int height, ViewFit fit = ViewFit::stretched);

// The window's pixels and the view's box in them, as the latest resize left
// them, for the frame to fill.
struct ViewLayout {
    int windowWidth = 0;
    int windowHeight = 0;
    ViewportBox view;
};
ViewLayout& viewLayout();

// Clears colour and depth for a new frame.
void clearFrame();

// Looks straight down on the point (px, py), in world pixels, kept far enough
// inside the World's level that the view never shows past its edges.
void setCamera(int px, int py);
