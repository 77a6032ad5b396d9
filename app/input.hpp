#pragma once

#include <cstdint>

#include "app/gamepad.hpp"

// Held / not held, one byte each, as of the latest poll. No edge detection.
struct InputSnapshot {
    std::uint8_t keyA = 0;
    std::uint8_t keyX = 0;
    std::uint8_t keyZ = 0;
    std::uint8_t up = 0;
    std::uint8_t keyS = 0;
    std::uint8_t keyQ = 0;
    std::uint8_t left = 0;
    std::uint8_t right = 0;
    std::uint8_t down = 0;
    std::uint8_t keyW = 0;
    std::uint8_t mouseButton1 = 0;
};

// The game walks on firstInput and jumps on secondInput; both are filled from
// the same key and pad state in one poll, so they always agree.
struct InputState {
    InputSnapshot firstInput;
    InputSnapshot secondInput;
    std::int32_t mouseX = 0;  // window pixels; kept while button 1 is up
    std::int32_t mouseY = 0;
    // The pad as of the latest poll, and what its switches asked for since
    // the poll before; the window acts on them once (app/window.cpp).
    PadState pad;
    PadSwitches padSwitches;
};

InputState& inputState();

// Where the poll reads the keys from: the game window, or a test's fake.
// Key and button codes are GLFW's; each reader returns non-zero while held.
struct InputDevice {
    int (*key)(int keyCode);
    int (*mouseButton)(int button);
    void (*cursorPos)(double* x, double* y);
    PadState (*pad)();
};

// Reads the keys, the mouse, then the pad: what the pad holds counts as its
// keys held (cursor left and right, X), so the game cannot tell the two apart.

void pollInput(const InputDevice& device);
