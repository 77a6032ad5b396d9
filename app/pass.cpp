#include "app/pass.hpp"

#include "app/frame_pacer.hpp"
#include "app/input.hpp"
#include "app/window.hpp"
#include "characters/character.hpp"
#include "render/draw.hpp"
#include "render/render_state.hpp"
#include "world/world.hpp"

void runPass(const PassTiming& timing) {
    pollInput(windowInput());
    measurePass(framePacer(), timing.clock());
    clearFrame();
    drawScene(World::instance());
    World::instance().player->update();
    handleEventsAndSwap();
    pacePass(framePacer(), timing.sleep);
}
