#include "app/gamepad.hpp"

PadHeld padHeld(const PadState& pad) {
    if (!pad.connected) {
        return {};
    }
    return {pad.dpadLeft || pad.stickX < -padDeadZone, pad.dpadRight || pad.stickX > padDeadZone,
            pad.south || pad.east};
}

PadSwitches padSwitches(const PadState& before, const PadState& now) {
    if (!before.connected || !now.connected) {
        return {};
    }
    return {now.back && !before.back, now.start && !before.start};
}
