#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/key_script.hpp"
#include "tests/unit/player_fixture.hpp"

namespace {

using Movement = PlayerWorld;

TEST_F(Movement, FallsOntoTheGrassAtTheStart) {
    const std::array<std::uint32_t, 6> ys{29209, 29259, 29334, 29434, 29559, 29559};
    for (std::size_t i = 0; i < ys.size(); ++i) {
        tick();
        EXPECT_EQ(player->y, ys[i]) << "update " << i + 1;
        EXPECT_EQ(player->x, 5120U);
        EXPECT_EQ(motion().onGround, i == 5 ? 1 : 0);
    }
}

TEST_F(Movement, RunsRightOnFlatGroundThenCoastsToAStop) {
    useFlatGround();
    standAt(40, 128);
    keys(false, true, false);
    const std::array<std::int16_t, 7> speeds{169, 311, 430, 530, 614, 673, 673};
    const std::array<std::uint32_t, 7> steps{84, 155, 215, 265, 307, 336, 336};
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        const std::uint32_t before = player->x;
        tick();
        EXPECT_EQ(motion().velocityX, speeds[i]);
        EXPECT_EQ(player->x - before, steps[i]);
        EXPECT_EQ(py(), 115);
    }

    keys(false, false, false);
    const std::array<std::int16_t, 17> stopping{567, 477, 402, 339, 286, 241, 203, 171, 144,
                                                122, 103, 88,  75,  63,  54,  46,  0};
    for (const std::int16_t speed : stopping) {
        const std::uint8_t ticks = walk().ticks;
        tick();
        EXPECT_EQ(motion().velocityX, speed);
        EXPECT_NE(walk().ticks, ticks);  // the walk cycle runs to the last update
    }
    EXPECT_EQ(walk().current, 1);
    const Animation standing = walk();
    tick(5);
    EXPECT_EQ(walk().current, standing.current);
    EXPECT_EQ(walk().ticks, standing.ticks);
}

TEST_F(Movement, AccelerationInTheAirHasNoGroundFriction) {
    useFlatGround();
    placeAt(40, 20);
    keys(false, true, false);
    for (const std::int16_t speed : {187, 362, 525, 677, 747, 747}) {
        tick();
        EXPECT_EQ(motion().velocityX, speed);
        EXPECT_EQ(motion().onGround, 0);
    }
}

TEST_F(Movement, StandingJumpRisesFortyEightPixelsAndComesBack) {
    useFlatGround();
    standAt(40, 128);
    const std::uint32_t ground = player->y;
    keys(false, false, true);
    tick();
    keys(false, false, false);
    EXPECT_EQ(motion().velocityY, -1550);
    tick(30);
    EXPECT_EQ(motion().velocityY, -50);
    EXPECT_EQ(ground - player->y, 12400U);
    tick();
    EXPECT_EQ(motion().velocityY, 0);
    EXPECT_EQ(ground - player->y, 12400U);
    int falling = 0;
    while (motion().onGround == 0 && falling < 100) {
        tick();
        ++falling;
    }
    tick(3);  // any sinking from the fall is pushed back up
    EXPECT_EQ(py(), 115);
    EXPECT_EQ(player->x, 40U << 8);
}

TEST_F(Movement, HoldingJumpBouncesAndIsIgnoredInTheAir) {
    useFlatGround();
    standAt(40, 128);
    keys(false, false, true);
    std::vector<std::int16_t> speeds;
    int landing = 0;
    for (int update = 1; update < 200 && landing == 0; ++update) {
        tick();
        speeds.push_back(motion().velocityY);
        landing = motion().onGround != 0 ? update : 0;
    }
    ASSERT_GT(landing, 32);
    for (std::size_t i = 0; i < 31; ++i) {
        EXPECT_EQ(speeds[i], -1550 + 50 * static_cast<int>(i));
    }
    tick();
    EXPECT_EQ(motion().velocityY, -1550);
    EXPECT_EQ(motion().onGround, 0);
}

TEST_F(Movement, LeftAndRightTogether) {
    useFlatGround();
    standAt(40, 128);
    keys(true, true, false);
    tick(5);
    EXPECT_EQ(player->x, 40U << 8);
    EXPECT_EQ(player->facing, 1);
    EXPECT_EQ(motion().moving, 0);
    EXPECT_EQ(player->animation, &walk());
    EXPECT_EQ(walk().current, 1);

    // In the air: a speed above -600 comes through the keys unchanged, one of
    // -600 or below leaves them as -600.
    const std::array<std::array<std::int16_t, 2>, 3> cases{
        {{-500, -467}, {-600, -560}, {-700, -560}}};
    for (const auto& c : cases) {
        placeAt(100, 20);
        motion().onGround = 0;
        motion().velocityX = c[0];
        tick();
        EXPECT_EQ(motion().velocityX, c[1]) << "from " << c[0];
    }
}

// Floor top at pixel 128, walls in tile columns 2 and 10.
const std::vector<std::string> corridor{"..#.......#..", "..#.......#..", "..#.......#..",
                                        "..#.......#..", "..#.......#..", "..#.......#..",
                                        "..#.......#..", "..#.......#..", "#############"};

TEST_F(Movement, WallsStopTheRunOnEitherSide) {
    useMap(corridor);
    standAt(100, 128);
    keys(false, true, false);
    for (int i = 0; i < 60; ++i) {
        const std::uint32_t before = player->x;
        tick();
        if (motion().velocityX == 0) {
            EXPECT_EQ(player->x, before);
        }
    }
    // The column just right of the sprite is in the wall.
    EXPECT_GE(px() + 8, 160);
    EXPECT_LE(px() + 8, 161);
    const Animation pushing = walk();
    tick();
    EXPECT_EQ(motion().velocityX, 0);
    EXPECT_EQ(motion().moving, 1);  // still walking on the spot
    EXPECT_NE(walk().ticks, pushing.ticks);

    keys(true, false, false);
    tick(120);
    EXPECT_EQ(motion().velocityX, 0);
    EXPECT_EQ(player->facing, 0);
    // The sprite's own leftmost column is in the wall, at most 2 px deep.
    EXPECT_GE(px() - 8, 46);
    EXPECT_LE(px() - 8, 47);
}

TEST_F(Movement, CeilingStopsTheRiseWithoutPushingDown) {
    useMap({".....", ".....", ".....", ".....", ".....", "#####", ".....", ".....", "#####"});
    standAt(40, 128);
    keys(false, false, true);
    tick();
    keys(false, false, false);
    tick(2);
    EXPECT_EQ(player->y, 27190U);
    EXPECT_EQ(motion().velocityY, -1450);
    tick();  // the top row, pixel 93, is in the ceiling
    EXPECT_EQ(motion().velocityY, 0);
    EXPECT_EQ(player->y, 27190U);
    tick();
    EXPECT_EQ(motion().velocityY, 50);
    EXPECT_EQ(player->y, 27215U);
}

TEST_F(Movement, LandingAtTerminalVelocityIsPushedUpAPixelATick) {
    useMap({"....", "....", "....", "....", "####"});
    player->y = (50U << 8) + 200;
    player->x = 24U << 8;
    motion().velocityY = 1200;
    tick();  // the last free step sinks the bottom row 2 px into the floor
    EXPECT_EQ(py(), 53);
    EXPECT_EQ(motion().velocityY, 1200);
    for (const std::int32_t expected : {52, 51, 51, 51}) {
        tick();
        EXPECT_EQ(py(), expected);
        EXPECT_EQ(motion().onGround, 1);
    }
}

TEST_F(Movement, ThePitRestsOnTheMapsBottomEdge) {
    placeAt(48, 420);
    tick(60);
    EXPECT_EQ(py(), 451);
    EXPECT_EQ(motion().onGround, 1);
    EXPECT_EQ(px(), 48);
}

TEST_F(Movement, TheLeftEdgeIsAWallAndTheWayBackIsOpen) {
    tick(6);
    keys(true, false, false);
    for (int i = 0; i < 40; ++i) {
        tick();
        ASSERT_LT(player->x, 0x80000000U);  // never wraps below pixel 0
        ASSERT_GE(px() - 8, -2);            // overlaps the edge by 2 px at most
    }
    EXPECT_EQ(motion().velocityX, 0);
    EXPECT_EQ(px(), 6);
    EXPECT_EQ(motion().onGround, 1);

    keys(false, true, false);
    tick(20);
    EXPECT_GT(px(), 20);
}

TEST_F(Movement, TheTopEdgeIsACeiling) {
    useMap({"....", "....", "####"});
    standAt(24, 32);
    keys(false, false, true);
    tick();
    keys(false, false, false);
    tick(2);
    EXPECT_EQ(player->y, 2614U);  // top row at pixel -3 after the last free step
    tick();
    EXPECT_EQ(motion().velocityY, 0);
    EXPECT_EQ(player->y, 2614U);
}

// A million ticks of random keys: the player stays on the map with sane
// speeds. Under the sanitizers this also proves no tile outside is read.
TEST_F(Movement, RandomKeysForAMillionTicksStayOnTheMap) {
    KeyScript script;
    for (int i = 0; i < 1000000; ++i) {
        const ScriptedKeys& held = nextKeys(script);
        keys(held.left, held.right, held.jump);
        tick();
        const PlayerMotion& m = motion();
        ASSERT_TRUE(m.velocityX >= -800 && m.velocityX <= 800) << "tick " << i;
        ASSERT_TRUE(m.velocityY >= -1600 && m.velocityY <= 1200) << "tick " << i;
        ASSERT_TRUE(px() >= 0 && px() < 304 && py() >= 0 && py() < 464)
            << "tick " << i << " at " << px() << "," << py();
    }
}

}  // namespace
