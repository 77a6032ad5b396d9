#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/input.hpp"
#include "characters/character.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

// A player on the embedded level, or on a small hand-drawn one, with all the
// process-wide state (motion, keys, World) fresh for every test.
class PlayerWorld : public testing::Test {
protected:
    void SetUp() override {
        playerMotion() = {};
        inputState() = {};
        resetWorld(world);
        player = std::make_unique<Player>();
        world.level = &level;
        world.player = player.get();
        buildCellGrid(world);
    }
    void TearDown() override {
        resetWorld(world);
        playerMotion() = {};
        inputState() = {};
    }

    // Rows drawn top first, '#' solid and anything else open.
    void useMap(const std::vector<std::string>& rows) {
        level.width = static_cast<std::uint16_t>(rows.front().size());
        level.height = static_cast<std::uint16_t>(rows.size());
        // A fresh vector, so its capacity is exact and the sanitizer sees any read past it.
        level.tiles =
            std::vector<TileWord>(static_cast<std::size_t>(level.width) * level.height, 0);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                level.tiles[c + level.width * r] = rows[r][c] == '#' ? 0x4000 : 0;
            }
        }
    }

    // An open field 40 tiles wide whose floor's top is pixel 128.
    void useFlatGround() {
        std::vector<std::string> rows(8, std::string(40, '.'));
        rows.emplace_back(40, '#');
        useMap(rows);
    }

    void placeAt(std::int32_t px, std::int32_t py) {
        player->x = static_cast<std::uint32_t>(px) << 8;
        player->y = static_cast<std::uint32_t>(py) << 8;
    }

    // At rest on the floor whose top pixel row is floorTop.
    void standAt(std::int32_t px, std::int32_t floorTop) {
        placeAt(px, floorTop - 13);
        motion().onGround = 1;
        motion().velocityY = 0;
        player->animation = &walk();
        walk().current = 1;
    }

    void keys(bool left, bool right, bool jump) {
        inputState().firstInput.left = left ? 1 : 0;
        inputState().firstInput.right = right ? 1 : 0;
        inputState().secondInput.keyX = jump ? 1 : 0;
        inputState().secondInput.left = inputState().firstInput.left;
        inputState().secondInput.right = inputState().firstInput.right;
        inputState().firstInput.keyX = inputState().secondInput.keyX;
    }

    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            player->update();
        }
    }

    static PlayerMotion& motion() { return playerMotion(); }
    Animation& walk() const { return *playerMotion().walkAnimation; }
    Animation& air() const { return *playerMotion().airAnimation; }
    std::int32_t px() const { return static_cast<std::int32_t>(player->x >> 8); }
    std::int32_t py() const { return static_cast<std::int32_t>(player->y >> 8); }

    World& world = World::instance();
    Level level;
    std::unique_ptr<Player> player;
};
