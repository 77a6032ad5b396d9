#include "app/window.hpp"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "app/frame_pacer.hpp"
#include "render/gl_context.hpp"
#include "render/render_state.hpp"

namespace {

constexpr int windowWidth = 512;
constexpr int windowHeight = 384;
// The layering of front tiles, sprite and back tiles one unit apart over the
// 1400-unit depth range needs at least 11 bits.
constexpr int depthBits = 24;

struct GameWindow {
    GLFWwindow* handle = nullptr;
    bool libraryActive = false;
};

GameWindow& gameWindow() {
    static GameWindow window;
    return window;
}

void onFramebufferSize(GLFWwindow* /*window*/, int width, int height) {
    onWindowResize(width, height);
}

int windowKey(int keyCode) {
    GLFWwindow* handle = gameWindow().handle;
    return handle != nullptr && glfwGetKey(handle, keyCode) == GLFW_PRESS ? 1 : 0;
}

int windowMouseButton(int button) {
    GLFWwindow* handle = gameWindow().handle;
    return handle != nullptr && glfwGetMouseButton(handle, button) == GLFW_PRESS ? 1 : 0;
}

void windowCursorPos(double* x, double* y) {
    if (GLFWwindow* handle = gameWindow().handle; handle != nullptr) {
        glfwGetCursorPos(handle, x, y);
    }
}

}  // namespace

void initWindow() {
    GameWindow& window = gameWindow();
    window.libraryActive = glfwInit() == GLFW_TRUE;

    int major = 0;
    int minor = 0;
    int revision = 0;
    glfwGetVersion(&major, &minor, &revision);
    std::printf("GLFW Version: %d.%d.%d\n", major, minor, revision);
    std::fflush(stdout);

    if (window.libraryActive) {
        glfwWindowHint(GLFW_RED_BITS, 8);
        glfwWindowHint(GLFW_GREEN_BITS, 8);
        glfwWindowHint(GLFW_BLUE_BITS, 8);
        glfwWindowHint(GLFW_ALPHA_BITS, 8);
        glfwWindowHint(GLFW_DEPTH_BITS, depthBits);
        glfwWindowHint(GLFW_STENCIL_BITS, 0);
        glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
        window.handle = glfwCreateWindow(windowWidth, windowHeight, "Torvik", nullptr, nullptr);
    }
    if (window.handle == nullptr) {
        std::printf("GLFW window creation failed\n");
        std::fflush(stdout);
        glfwTerminate();
        window.libraryActive = false;
        // Start-up goes on without a window: the game runs one pass and ends.
    } else {
        glfwMakeContextCurrent(window.handle);
        glContextReady() = true;
        glfwSetWindowTitle(window.handle, "Torvik");
        glfwSetFramebufferSizeCallback(window.handle, onFramebufferSize);
        // Size the viewport now, before anything is drawn, in real pixels.
        int width = 0;
        int height = 0;
        glfwGetFramebufferSize(window.handle, &width, &height);
        onFramebufferSize(window.handle, width, height);
        glfwSwapInterval(1);
    }
    framePacer().lastTime = clockSeconds();
}

bool windowOpen() {
    GLFWwindow* handle = gameWindow().handle;
    return handle != nullptr && glfwWindowShouldClose(handle) == GLFW_FALSE;
}

void handleEventsAndSwap() {
    GLFWwindow* handle = gameWindow().handle;
    if (handle == nullptr) {
        return;
    }
    glfwPollEvents();
    if (glfwWindowShouldClose(handle) == GLFW_FALSE) {
        glfwSwapBuffers(handle);
    }
}

double clockSeconds() { return gameWindow().libraryActive ? glfwGetTime() : 0.0; }

void sleepSeconds(double seconds) {
    if (!gameWindow().libraryActive || !(seconds > 0.0)) {
        return;
    }
    const long long ms = std::max(1LL, std::llround(seconds * 1000.0));
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

const InputDevice& windowInput() {
    static const InputDevice device{windowKey, windowMouseButton, windowCursorPos};
    return device;
}

void closeWindow() {
    GameWindow& window = gameWindow();
    if (window.libraryActive) {
        glfwTerminate();
    }
    window.handle = nullptr;
    window.libraryActive = false;
    glContextReady() = false;
}
