// The browser's toolchain reaches the page's Gamepad API through GLFW's
// plain joystick calls. Browsers lay out every pad they know in the
// "standard" way: buttons 0 and 1 the south and east face buttons, the View
// (Back) and Menu (Start) buttons 8 and 9, the D-pad's left and right 14 and
// 15, axis 0 the left stick across.

#include <GLFW/glfw3.h>
#include <emscripten/emscripten.h>

#include "app/gamepad.hpp"

namespace {

// A browser shows a page no pad until one of its buttons is pressed, and then
// says so ("gamepadconnected"). Until a pad has been shown there is nothing to
// ask for, and asking costs the browser a look at every pad on every pass.
EM_JS(int, padShown, (), {
    function onPadConnected() { Module['padShown'] = 1; }
    if (typeof Module['padShown'] != 'number') {
        var pads = navigator.getGamepads ? navigator.getGamepads() : [];
        Module['padShown'] = Array.prototype.some.call(pads, Boolean) ? 1 : 0;
        window.addEventListener('gamepadconnected', onPadConnected);
    }
    return Module['padShown'];
});

constexpr int southButton = 0;
constexpr int eastButton = 1;
constexpr int backButton = 8;
constexpr int startButton = 9;
constexpr int dpadLeftButton = 14;
constexpr int dpadRightButton = 15;
constexpr int stickAxis = 0;

}  // namespace

PadState readPad() {
    if (padShown() == 0) {
        return {};
    }
    for (int pad = GLFW_JOYSTICK_1; pad <= GLFW_JOYSTICK_LAST; ++pad) {
        if (glfwJoystickPresent(pad) != GLFW_TRUE) {
            continue;
        }
        int axisCount = 0;
        int buttonCount = 0;
        const float* axes = glfwGetJoystickAxes(pad, &axisCount);
        const unsigned char* buttons = glfwGetJoystickButtons(pad, &buttonCount);
        // A pad may have fewer buttons or axes than the layout names.
        const auto pressed = [buttons, buttonCount](int button) {
            return buttons != nullptr && button < buttonCount && buttons[button] != 0;
        };
        return {true,
                axes != nullptr && stickAxis < axisCount ? axes[stickAxis] : 0.0F,
                pressed(dpadLeftButton),
                pressed(dpadRightButton),
                pressed(southButton),
                pressed(eastButton),
                pressed(backButton),
                pressed(startButton)};
    }
    return {};
}
