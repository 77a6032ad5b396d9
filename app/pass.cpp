#include "app/pass.hpp"

#include "app/frame_pacer.hpp"
#include "app/input.hpp"
#include "app/window.hpp"
#include "audio/sound.hpp"
#include "characters/character.hpp"
#include "render/frame.hpp"
#include "world/world.hpp"

void runPass(const PassTiming& timing) {
    pollInput(windowInput());
    measurePass(framePacer(), timing.clock());
    drawFrame(World::instance());
    // The sounds are read from the player as the tick leaves it, out here,
    // so the tick itself never hears of them.
    Player& player = *World::instance().player;
    const PlayerSnapshot before = snapshotPlayer(player, playerMotion());
    player.update();
    hearPass(before, snapshotPlayer(player, playerMotion()));
    handleEventsAndSwap();
    pacePass(framePacer(), timing.sleep);
}
