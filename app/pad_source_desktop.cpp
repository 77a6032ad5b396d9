// The desktop reads pads through GLFW's gamepad mapping, which knows
// the common pads by name and lays each out as an Xbox pad.

#include <GLFW/glfw3.h>

#include "app/gamepad.hpp"

PadState readPad() {
    for (int pad = GLFW_JOYSTICK_1; pad <= GLFW_JOYSTICK_LAST; ++pad) {
        GLFWgamepadstate state;
        if (glfwJoystickIsGamepad(pad) == GLFW_TRUE &&
            glfwGetGamepadState(pad, &state) == GLFW_TRUE) {
            const auto pressed = [&state](int button) {
                return state.buttons[button] == GLFW_PRESS;
            };
            return {true,
                    state.axes[GLFW_GAMEPAD_AXIS_LEFT_X],
                    pressed(GLFW_GAMEPAD_BUTTON_DPAD_LEFT),
                    pressed(GLFW_GAMEPAD_BUTTON_DPAD_RIGHT),
                    pressed(GLFW_GAMEPAD_BUTTON_A),
                    pressed(GLFW_GAMEPAD_BUTTON_B),
                    pressed(GLFW_GAMEPAD_BUTTON_BACK),
                    pressed(GLFW_GAMEPAD_BUTTON_START)};
        }
    }
    return {};
}
