#include "app/gamepad.hpp"

PadHeld padHeld(const PadState& pad) {
    if (!pad.connected) {
        return {};
    }
    return {pad.dpadLeft || pad.stickX < -padDeadZone, pad.dpadRight || pad.stickX > padDeadZone,
            pad.south || pad.east};
}
