// The page sizes its canvas in whole steps of the view: drawn straight, it
// never seams.

#include "render/frame.hpp"

#include "render/draw.hpp"
#include "render/render_state.hpp"

void drawFrame(const World& world) {
    clearFrame();
    drawScene(world);
}
