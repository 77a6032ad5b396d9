#include "app/gamepad.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

// Found by the test's messages beside the type itself.
void PrintTo(const PadHeld& held, std::ostream* out) {
    *out << "{left " << held.left << ", right " << held.right << ", jump " << held.jump << "}";
}

namespace {

PadState connected() { return PadState{.connected = true}; }

TEST(Gamepad, EachButtonAndDpadDirectionHoldsItsOwnControl) {
    EXPECT_EQ(padHeld(connected()), (PadHeld{}));
    PadState pad = connected();
    pad.south = true;
    EXPECT_EQ(padHeld(pad), (PadHeld{.jump = true}));
    pad = connected();
    pad.east = true;
    EXPECT_EQ(padHeld(pad), (PadHeld{.jump = true}));
    pad = connected();
    pad.dpadLeft = true;
    EXPECT_EQ(padHeld(pad), (PadHeld{.left = true}));
    pad = connected();
    pad.dpadRight = true;
    pad.south = true;
    EXPECT_EQ(padHeld(pad), (PadHeld{.right = true, .jump = true}));
}

TEST(Gamepad, StickRunsOnlyPastTheDeadZone) {
    const float justPast = std::nextafter(padDeadZone, 1.0F);
    const struct {
        float stickX;
        PadHeld held;
    } cases[] = {
        {0.0F, {}},
        {padDeadZone, {}},
        {-padDeadZone, {}},
        {justPast, {.right = true}},
        {-justPast, {.left = true}},
        {1.0F, {.right = true}},
        {-1.0F, {.left = true}},
    };
    for (const auto& c : cases) {
        PadState pad = connected();
        pad.stickX = c.stickX;
        EXPECT_EQ(padHeld(pad), c.held) << c.stickX;
    }
}

TEST(Gamepad, APadNotConnectedHoldsNothing) {
    const PadState stale{.connected = false,
                         .stickX = 1.0F,
                         .dpadLeft = true,
                         .dpadRight = true,
                         .south = true,
                         .east = true};
    EXPECT_EQ(padHeld(stale), (PadHeld{}));
}

}  // namespace
