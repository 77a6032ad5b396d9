#pragma once

struct World;

// One frame of the pass: clears and draws the scene. Where the view is not a
// whole number of screen pixels to a world pixel, the desktop draws it as at
// a whole step and shows that picture stretched over the view, so that no
// tile edge seams (render/step_picture.hpp); at whole steps, and on the page,
// whose canvas is always sized in whole steps, it only clears and draws.
void drawFrame(const World& world);
