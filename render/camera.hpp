#pragma once

#include "render/view.hpp"
#include "world/level.hpp"

// The point the camera looks down on, in world pixels.
struct CameraCentre {
    int x;
    int y;
};

// Keeps the view inside a map of the given size in tiles. The far edge is
// only tested when the near one did not apply, so a map smaller than the
// view keeps its top-left corner on screen.
constexpr CameraCentre clampCamera(int px, int py, int mapWidth, int mapHeight) {
    if (px < viewHalfWidth) {
        px = viewHalfWidth;
    } else if (px > mapWidth * tileSize - viewHalfWidth) {
        px = mapWidth * tileSize - viewHalfWidth;
    }
    if (py < viewHalfHeight) {
        py = viewHalfHeight;
    } else if (py > mapHeight * tileSize - viewHalfHeight) {
        py = mapHeight * tileSize - viewHalfHeight;
    }
    return {px, py};
}
