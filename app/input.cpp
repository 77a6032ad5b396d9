#include "app/input.hpp"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <climits>

InputState& inputState() {
    static InputState state;
    return state;
}

namespace {

std::uint8_t held(int state) { return state != 0 ? 1 : 0; }

void readKeys(const InputDevice& device, InputSnapshot& snapshot) {
    snapshot.left = held(device.key(GLFW_KEY_LEFT));
    snapshot.right = held(device.key(GLFW_KEY_RIGHT));
    snapshot.up = held(device.key(GLFW_KEY_UP));
    snapshot.down = held(device.key(GLFW_KEY_DOWN));
    snapshot.keyZ = held(device.key(GLFW_KEY_Z));
    snapshot.keyX = held(device.key(GLFW_KEY_X));
    snapshot.keyS = held(device.key(GLFW_KEY_S));
    snapshot.keyA = held(device.key(GLFW_KEY_A));
    snapshot.keyQ = held(device.key(GLFW_KEY_Q));
    snapshot.keyW = held(device.key(GLFW_KEY_W));
}

// Keeps what the keys hold and adds what the pad holds.
void addPad(const PadHeld& pad, InputSnapshot& snapshot) {
    if (pad.left) {
        snapshot.left = 1;
    }
    if (pad.right) {
        snapshot.right = 1;
    }
    if (pad.jump) {
        snapshot.keyX = 1;
    }
}

// Truncated to whole pixels; a dragged cursor may leave the window, so keep
// far-off readings inside the integer range instead of overflowing.
std::int32_t wholePixels(double position) {
    return static_cast<std::int32_t>(
        std::clamp(position, static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX)));
}

}  // namespace

void pollInput(const InputDevice& device) {
    InputState& input = inputState();
    readKeys(device, input.firstInput);
    readKeys(device, input.secondInput);
    input.secondInput.mouseButton1 = held(device.mouseButton(GLFW_MOUSE_BUTTON_1));
    input.firstInput.mouseButton1 = held(device.mouseButton(GLFW_MOUSE_BUTTON_1));
    if (input.secondInput.mouseButton1 != 0 || input.firstInput.mouseButton1 != 0) {
        double x = 0.0;
        double y = 0.0;
        device.cursorPos(&x, &y);
        input.mouseX = wholePixels(x);
        input.mouseY = wholePixels(y);
    }
    const PadState pad = device.pad();
    const PadHeld padHolds = padHeld(pad);
    addPad(padHolds, input.firstInput);
    addPad(padHolds, input.secondInput);
    input.padSwitches = padSwitches(input.pad, pad);
    input.pad = pad;
}
