#include "world/game_run.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "app/input.hpp"
#include "world/world.hpp"

namespace {

class Stone : public Character {
public:
    void update() override {}
};

class GameRunTest : public testing::Test {
protected:
    void SetUp() override {
        playerMotion() = {};
        inputState() = {};
        resetWorld(World::instance());
    }
    void TearDown() override { resetWorld(World::instance()); }
};

TEST_F(GameRunTest, WiresTheWorldToItsOwnObjects) {
    const GameRun run;
    const World& world = World::instance();
    EXPECT_EQ(world.level, run.level.get());
    EXPECT_EQ(world.player, run.player.get());
    EXPECT_EQ(world.cellColumns, 2);
    EXPECT_EQ(world.cellRows, 3);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(world.cells[i].head, nullptr);
    }
    EXPECT_EQ(run.player->animation, playerMotion().walkAnimation);
    EXPECT_EQ(run.player->x >> 8, 20U);
    EXPECT_EQ(run.player->y >> 8, 114U);
    EXPECT_EQ(run.player->facing, 1);
}

TEST_F(GameRunTest, ThePlayerGoesFirstWhileTheWorldStillNamesIt) {
    std::optional<GameRun> run(std::in_place);
    World& world = World::instance();
    Animation* walk = playerMotion().walkAnimation;
    Animation* air = playerMotion().airAnimation;

    // Thread the player into a list as if it were gridded: were it not still
    // the World's player when it goes, its neighbours would be relinked.
    Stone before;
    Stone after;
    Character* player = run->player.get();
    world.cells[0].head = &before;
    before.cellNext = player;
    player->cellPrev = &before;
    player->cellNext = &after;
    after.cellPrev = player;

    run.reset();
    EXPECT_EQ(before.cellNext, player);
    EXPECT_EQ(after.cellPrev, player);
    EXPECT_EQ(world.level, nullptr);
    EXPECT_EQ(world.player, nullptr);
    EXPECT_EQ(world.cells, nullptr);
    EXPECT_EQ(playerMotion().walkAnimation, walk);  // created once, kept
    EXPECT_EQ(playerMotion().airAnimation, air);
    before.cellNext = nullptr;
    after.cellPrev = nullptr;
}

}  // namespace
