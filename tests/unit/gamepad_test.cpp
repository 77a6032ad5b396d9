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

// One of the pad's buttons or directions.
using PadControl = bool PadState::*;

TEST(Gamepad, EachButtonAndDpadDirectionHoldsItsOwnControl) {
    const struct {
        PadControl control;
        PadHeld held;
    } cases[] = {
        {&PadState::south, {.jump = true}},
        {&PadState::east, {.jump = true}},
        {&PadState::dpadLeft, {.left = true}},
        {&PadState::dpadRight, {.right = true}},
    };
    EXPECT_EQ(padHeld(connected()), (PadHeld{}));
    for (const auto& c : cases) {
        PadState pad = connected();
        pad.*c.control = true;
        EXPECT_EQ(padHeld(pad), c.held);
    }
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

}  // namespace
