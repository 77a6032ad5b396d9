#pragma once

#include <memory>

#include "characters/character.hpp"
#include "world/level.hpp"

// Owns one run's level and player and wires them into the World.
struct GameRun {
    std::unique_ptr<Player> player;
    std::unique_ptr<Level> level;

    GameRun();
    ~GameRun();
    GameRun(const GameRun&) = delete;
    GameRun& operator=(const GameRun&) = delete;
};
