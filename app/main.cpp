// Torvik: one horned creature, one hillside, one tick per pass.

#include <memory>

#include "app/pass.hpp"
#include "app/window.hpp"
#include "audio/sound.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "world/game_run.hpp"
#include "world/world.hpp"

int main() {
    initWindow();
    // Without a window the run is a single pass, with nothing to hear; in a
    // page, an audio output opened and at once closed would leave its start
    // hanging.
    if (windowOpen()) {
        startSound();
    }
    World::instance();
    setupRenderer(tilesetTexture());
    auto run = std::make_unique<GameRun>();

    runMainLoop();

    // In a page this is reached only without a window: otherwise the page's
    // animation frames go on with the run, which is never torn down.
    run.reset();
    stopSound();
    closeWindow();
    return 0;
}
