// The desktop's monitors, through GLFW's content scale (GLFW 3.3 and
// later): the same calls on X, Wayland and Windows.

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/screen_scale.hpp"
#include "app/window_system.hpp"

namespace {

struct ScreenScale {
    // The window's content scale changed during the latest events.
    bool changed = false;
};

ScreenScale& screenScale() {
    static ScreenScale state;
    return state;
}

WindowMeasure measure(GLFWwindow* window) {
    WindowMeasure measured;
    glfwGetWindowSize(window, &measured.units.width, &measured.units.height);
    glfwGetFramebufferSize(window, &measured.pixels.width, &measured.pixels.height);
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    glfwGetWindowFrameSize(window, &left, &top, &right, &bottom);
    measured.frameWidth = left + right;
    measured.frameHeight = top + bottom;
    return measured;
}

// The monitor holding the screen point (x, y), or the primary one when no
// monitor does.
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

// The first monitor whose content scale is nearest the window's: the one it
// is on when the monitors' scales differ, the primary one when they do not.
GLFWmonitor* monitorByScale(GLFWwindow* window) {
    float scaleX = 1.0F;
    float scaleY = 1.0F;
    glfwGetWindowContentScale(window, &scaleX, &scaleY);
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    GLFWmonitor* nearest = glfwGetPrimaryMonitor();
    float nearestGap = std::numeric_limits<float>::infinity();
    for (int i = 0; i < count; ++i) {
        float monitorX = 1.0F;
        float monitorY = 1.0F;
        glfwGetMonitorContentScale(monitors[i], &monitorX, &monitorY);
        if (const float gap = std::fabs(monitorX - scaleX); gap < nearestGap) {
            nearest = monitors[i];
            nearestGap = gap;
        }
    }
    return nearest;
}

// Gives the window the size for its content scale and its monitor's work
// area less its own frame, reckoned in the framebuffer's pixels.
void fitToScreen(GLFWwindow* window) {
    if (glfwGetWindowMonitor(window) != nullptr) {
        return;
    }
    const WindowMeasure measured = measure(window);
    if (coversItsMonitor(window, measured.pixels.width, measured.pixels.height)) {
        return;  // the desktop's own fullscreen
    }
    float scaleX = 1.0F;
    float scaleY = 1.0F;
    glfwGetWindowContentScale(window, &scaleX, &scaleY);
    int workX = 0;
    int workY = 0;
    int workWidth = 0;
    int workHeight = 0;
    if (GLFWmonitor* monitor = monitorOf(window); monitor != nullptr) {
        glfwGetMonitorWorkarea(monitor, &workX, &workY, &workWidth, &workHeight);
    }
    const WindowSize units =
        windowUnitsFor(measured, std::min(scaleX, scaleY), workWidth, workHeight);
    if (units != measured.units) {
        glfwSetWindowSize(window, units.width, units.height);
    }
}

void onContentScale(GLFWwindow* /*window*/, float /*scaleX*/, float /*scaleY*/) {
    screenScale().changed = true;
}

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
    const float scale = std::min(scaleX, scaleY);
    const WindowSize pixels = windowSizeFor(scale, workWidth, workHeight);
    if (windowUnitsArePixels()) {
        return pixels;
    }
    // The monitor's scale stands in for the window's until the desktop tells
    // it, which the window is sized again by.
    return unitsReaching(pixels, scale, scale);
}

void followScreenScale(GLFWwindow* window) {
    screenScale() = ScreenScale{};
    if (windowUnitsArePixels()) {
        fitToScreen(window);
    }
    glfwSetWindowContentScaleCallback(window, onContentScale);
}

void resizeIfScaleChanged(GLFWwindow* window) {
    if (screenScale().changed) {
        screenScale().changed = false;
        fitToScreen(window);
    }
}

GLFWmonitor* monitorOf(GLFWwindow* window) {
    if (!windowPositionsKnown()) {
        return monitorByScale(window);
    }
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    glfwGetWindowPos(window, &x, &y);
    glfwGetWindowSize(window, &width, &height);
    return monitorAt(x + width / 2, y + height / 2);
}

bool coversItsMonitor(GLFWwindow* window, int width, int height) {
    GLFWmonitor* monitor = monitorOf(window);
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (mode == nullptr) {
        return false;
    }
    WindowMeasure measured;
    glfwGetWindowSize(window, &measured.units.width, &measured.units.height);
    measured.pixels = {width, height};
    if (!fillsScreen(measured, mode->width, mode->height)) {
        return false;
    }
    if (!windowPositionsKnown()) {
        return true;
    }
    int x = 0;
    int y = 0;
    int left = 0;
    int top = 0;
    glfwGetWindowPos(window, &x, &y);
    glfwGetMonitorPos(monitor, &left, &top);
    return x == left && y == top;
}
