// The desktop's monitors, through the library's content scale (GLFW 3.3 and
// later): the same calls on X, Wayland and Windows.

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cmath>

#include "app/screen_scale.hpp"

namespace {

// Gives the window the size for its content scale and its monitor's work
// area less its own frame. Sizes are reckoned in the framebuffer's pixels:
// where the window's own units are not pixels (a scaled Wayland desktop), the
// framebuffer tells how many pixels there are to a unit.
void fitToScreen(GLFWwindow* window) {
    if (glfwGetWindowMonitor(window) != nullptr) {
        return;
    }
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int pixelsWide = 0;
    int pixelsHigh = 0;
    glfwGetWindowPos(window, &x, &y);
    glfwGetWindowSize(window, &width, &height);
    glfwGetFramebufferSize(window, &pixelsWide, &pixelsHigh);
    if (width <= 0 || height <= 0 || pixelsWide <= 0 || pixelsHigh <= 0) {
        return;  // minimised: nothing to measure by
    }
    float scaleX = 1.0F;
    float scaleY = 1.0F;
    glfwGetWindowContentScale(window, &scaleX, &scaleY);
    int workX = 0;
    int workY = 0;
    int workWidth = 0;
    int workHeight = 0;
    if (GLFWmonitor* monitor = monitorAt(x + width / 2, y + height / 2); monitor != nullptr) {
        glfwGetMonitorWorkarea(monitor, &workX, &workY, &workWidth, &workHeight);
    }
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    glfwGetWindowFrameSize(window, &left, &top, &right, &bottom);

    const double perUnitX = static_cast<double>(pixelsWide) / width;
    const double perUnitY = static_cast<double>(pixelsHigh) / height;
    // An unknown work area (0 x 0) comes out below zero, and is not used.
    const WindowSize pixels =
        windowSizeFor(std::min(scaleX, scaleY),
                      static_cast<int>(std::lround((workWidth - left - right) * perUnitX)),
                      static_cast<int>(std::lround((workHeight - top - bottom) * perUnitY)));
    const auto newWidth = static_cast<int>(std::lround(pixels.width / perUnitX));
    const auto newHeight = static_cast<int>(std::lround(pixels.height / perUnitY));
    if (newWidth != width || newHeight != height) {
        glfwSetWindowSize(window, newWidth, newHeight);
    }
}

void onContentScale(GLFWwindow* window, float /*scaleX*/, float /*scaleY*/) { fitToScreen(window); }

}  // namespace

WindowSize openingWindowSize() {
    float scaleX = 1.0F;
    float scaleY = 1.0F;
    int workX = 0;
    int workY = 0;
    int workWidth = 0;
    int workHeight = 0;
    if (GLFWmonitor* primary = glfwGetPrimaryMonitor(); primary != nullptr) {
        glfwGetMonitorContentScale(primary, &scaleX, &scaleY);
        glfwGetMonitorWorkarea(primary, &workX, &workY, &workWidth, &workHeight);
    }
    return windowSizeFor(std::min(scaleX, scaleY), workWidth, workHeight);
}

void followScreenScale(GLFWwindow* window) {
    fitToScreen(window);
    glfwSetWindowContentScaleCallback(window, onContentScale);
}

GLFWmonitor* monitorAt(int x, int y) {
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    for (int i = 0; i < count; ++i) {
        int left = 0;
        int top = 0;
        glfwGetMonitorPos(monitors[i], &left, &top);
        const GLFWvidmode* mode = glfwGetVideoMode(monitors[i]);
        if (mode != nullptr && x >= left && x < left + mode->width && y >= top &&
            y < top + mode->height) {
            return monitors[i];
        }
    }
    return glfwGetPrimaryMonitor();
}
