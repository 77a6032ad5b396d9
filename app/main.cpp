// Torvik: one horned creature, one hillside, one tick per pass.

#include <memory>

#include "app/frame_pacer.hpp"
#include "app/input.hpp"
#include "app/window.hpp"
#include "characters/character.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "world/game_run.hpp"
#include "world/world.hpp"

int main() {
    initWindow();
    World::instance();
    setupRenderer(tilesetTexture());
    auto run = std::make_unique<GameRun>();

    do {
        pollInput(windowInput());
        measurePass(framePacer(), clockSeconds());
        clearFrame();
        World::instance().player->update();
        handleEventsAndSwap();
        pacePass(framePacer(), sleepSeconds);
    } while (windowOpen());

    run.reset();
    closeWindow();
    return 0;
}
