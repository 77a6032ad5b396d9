#include "world/game_run.hpp"

#include "world/world.hpp"

GameRun::GameRun() {
    // The level comes first, though the player is the first member, so both are
    // made here rather than in member order. The World is cleared before it is
    // wired, and the grid can only be built once it names both.
    // cppcheck-suppress useInitializationList
    level = std::make_unique<Level>();
    // cppcheck-suppress useInitializationList
    player = std::make_unique<Player>();
    World& world = World::instance();
    resetWorld(world);
    world.level = level.get();
    world.player = player.get();
    buildCellGrid(world);
}

GameRun::~GameRun() {
    // The player goes while the World still names it, so it is not looked for
    // in the grid.
    if (player) {
        player.reset();
    }
    if (level) {
        resetWorld(World::instance());
        level.reset();
    }
}
