// Torvik: one horned creature, one hillside, one tick per pass.

#include "app/frame_pacer.hpp"
#include "app/input.hpp"
#include "app/window.hpp"
#include "render/draw.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "world/world.hpp"

int main() {
    initWindow();
    setupRenderer(tilesetTexture());

    do {
        pollInput(windowInput());
        measurePass(framePacer(), clockSeconds());
        clearFrame();
        drawScene(World::instance());
        handleEventsAndSwap();
        pacePass(framePacer(), sleepSeconds);
    } while (windowOpen());

    closeWindow();
    return 0;
}
