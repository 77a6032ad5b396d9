#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/unit/player_fixture.hpp"

namespace {

TEST(Advance, CountsTicksThenStepsAndWraps) {
    std::array<AnimFrame, 2> frames{{{0, 0, 16, 27, 2}, {16, 0, 16, 27, 3}}};
    std::array<AnimFrame*, 2> pointers{&frames[0], &frames[1]};
    Animation a{pointers.data(), 2, 0, 0};
    const std::array<std::array<int, 2>, 6> seen{{{0, 1}, {1, 0}, {1, 1}, {1, 2}, {0, 0}, {0, 1}}};
    for (const auto& s : seen) {
        advance(a);
        EXPECT_EQ(a.current, s[0]);
        EXPECT_EQ(a.ticks, s[1]);
    }
}

using PlayerAnimation = PlayerWorld;

TEST_F(PlayerAnimation, ANewPlayerHasSevenFramesAlongTheTopOfTheSheet) {
    EXPECT_EQ(player->animation, &walk());
    EXPECT_EQ(walk().frameCount, 4);
    EXPECT_EQ(air().frameCount, 3);
    for (int i = 0; i < 7; ++i) {
        const AnimFrame& f = i < 4 ? *walk().frames[i] : *air().frames[i - 4];
        EXPECT_EQ(f.u, 16 * i);
        EXPECT_EQ(f.v, 0);
        EXPECT_EQ(f.width, 16);
        EXPECT_EQ(f.height, 27);
        EXPECT_EQ(f.duration, 13);
    }
}

TEST_F(PlayerAnimation, FirstFallThenStandingStill) {
    tick();
    EXPECT_EQ(walk().ticks, 1);
    EXPECT_EQ(walk().current, 1);  // the dead zone's standing frame
    EXPECT_EQ(player->animation, &air());
    EXPECT_EQ(air().current, 2);
    tick(5);
    EXPECT_EQ(player->animation, &walk());
    EXPECT_EQ(walk().current, 1);
    EXPECT_EQ(walk().ticks, 1);
    EXPECT_EQ(currentFrame(walk()).u, 16);
    tick(30);
    EXPECT_EQ(walk().current, 1);
    EXPECT_EQ(walk().ticks, 1);
}

TEST_F(PlayerAnimation, WalkFramesChangeEveryThirteenUpdates) {
    useFlatGround();
    standAt(40, 128);
    keys(false, true, false);
    std::vector<int> changes;
    int shown = walk().current;
    for (int update = 1; update <= 53; ++update) {
        tick();
        if (walk().current != shown) {
            changes.push_back(update);
            EXPECT_EQ(walk().current, (shown + 1) % 4);
            shown = walk().current;
        }
    }
    // The first update only sets `moving`; stepping starts with the second.
    EXPECT_EQ(changes, (std::vector<int>{14, 27, 40, 53}));
}

TEST_F(PlayerAnimation, StandingJumpShowsRisingFallingThenWalk) {
    useFlatGround();
    standAt(40, 128);
    keys(false, false, true);
    tick();
    keys(false, false, false);
    EXPECT_EQ(player->animation, &air());
    EXPECT_EQ(air().current, 1);  // the dead zone overrides the take-off frame
    tick(30);
    EXPECT_EQ(air().current, 1);
    tick();  // the first update without ground below
    EXPECT_EQ(air().current, 2);
    while (motion().onGround == 0) {
        EXPECT_EQ(player->animation, &air());
        EXPECT_EQ(air().current, 2);
        tick();
    }
    EXPECT_EQ(player->animation, &walk());
}

TEST_F(PlayerAnimation, RunningJumpShowsTakeOffForItsRemainingTicks) {
    for (const int leftover : {0, 5}) {
        SCOPED_TRACE(leftover);
        useFlatGround();
        standAt(40, 128);
        motion().velocityX = 673;
        motion().moving = 1;
        air().current = 1;
        air().ticks = static_cast<std::uint8_t>(leftover);
        keys(false, true, true);
        tick();
        keys(false, true, false);
        EXPECT_EQ(air().current, 0);
        tick(12 - leftover);
        EXPECT_EQ(air().current, 0);
        tick();
        EXPECT_EQ(air().current, 1);
        EXPECT_EQ(air().ticks, 0);
    }
}

TEST_F(PlayerAnimation, DeadZoneInTheAirCutsTheTakeOffShort) {
    useFlatGround();
    standAt(40, 128);
    keys(false, true, true);
    tick();
    EXPECT_EQ(motion().velocityX, 187);
    EXPECT_EQ(air().current, 0);
    keys(true, false, false);  // -13 after the keys: dead zone
    tick();
    EXPECT_EQ(air().current, 1);
}

TEST_F(PlayerAnimation, WalkingOffALedgeShowsFallingAtOnce) {
    std::vector<std::string> rows(8, std::string(20, '.'));
    rows.emplace_back(std::string(6, '#') + std::string(14, '.'));
    rows.emplace_back(20, '#');
    useMap(rows);
    standAt(80, 128);
    keys(false, true, false);
    for (int i = 0; i < 60 && motion().onGround != 0; ++i) {
        tick();
    }
    ASSERT_EQ(motion().onGround, 0);
    EXPECT_EQ(player->animation, &air());
    EXPECT_EQ(air().current, 2);
    EXPECT_LT(motion().velocityY, 100);  // this is the first update off the edge
}

TEST_F(PlayerAnimation, FallingFrameIsForcedBeforeALandingWithoutTicking) {
    useFlatGround();
    placeAt(40, 115);  // ground right below
    player->animation = &air();
    air().current = 1;
    air().ticks = 7;
    motion().velocityY = 100;
    motion().velocityX = 400;  // clear of the dead zone, which would force frame 1
    tick();
    EXPECT_EQ(air().current, 2);
    EXPECT_EQ(air().ticks, 7);
    EXPECT_EQ(player->animation, &walk());
}

}  // namespace
