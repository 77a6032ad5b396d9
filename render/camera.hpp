#pragma once

// The point the camera looks down on, in world pixels.
struct CameraCentre {
    int x;
    int y;
};

// Half the view: 256 x 192 world pixels around the centre.
inline constexpr int viewHalfWidth = 128;
inline constexpr int viewHalfHeight = 96;

// Keeps the view inside a map of the given size in tiles. The far edge is
// only tested when the near one did not apply, so a map smaller than the
// view keeps its top-left corner on screen.
constexpr CameraCentre clampCamera(int px, int py, int mapWidth, int mapHeight) {
    if (px < viewHalfWidth) {
        px = viewHalfWidth;
    } else if (px > (mapWidth - 8) * 16) {
        px = (mapWidth - 8) * 16;
    }
    if (py < viewHalfHeight) {
        py = viewHalfHeight;
    } else if (py > (mapHeight - 6) * 16) {
        py = (mapHeight - 6) * 16;
    }
    return {px, py};
}
