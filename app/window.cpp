#include "app/window.hpp"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "app/frame_pacer.hpp"
#include "app/pad_library.hpp"
#include "app/pass_turns.hpp"
#include "app/screen_scale.hpp"
#include "app/sleep_precision.hpp"
#include "app/window_system.hpp"
#include "audio/sound.hpp"
#include "render/gl_context.hpp"
#include "render/render_state.hpp"

namespace {

// The layering of front tiles, sprite and back tiles one unit apart over the
// 1400-unit depth range needs at least 11 bits.
constexpr int depthBits = 24;

struct GameWindow {
    GLFWwindow* handle = nullptr;
    bool libraryActive = false;
    bool fullscreen = false;
    // A fullscreen key was pressed during the latest events.
    bool fullscreenAsked = false;
    // The window was moved or resized during the latest events.
    bool placementChanged = false;
    // How the view was last fitted to the window.
    ViewFit fit = ViewFit::stretched;
    // Where the window was, and how large, before it went fullscreen.
    int windowedX = 0;
    int windowedY = 0;
    int windowedWidth = 0;
    int windowedHeight = 0;
};

GameWindow& gameWindow() {
    static GameWindow window;
    return window;
}

// Fullscreen shows the view in whole steps, whoever made it so: F11, or the
// desktop's own (its shortcut or window menu), which the game knows only by
// the window covering its monitor exactly. A window stretched by hand shows
// it stretched.
ViewFit fitFor(const GameWindow& window, int width, int height) {
    return window.fullscreen || coversItsMonitor(window.handle, width, height) ? ViewFit::wholeSteps
                                                                               : ViewFit::stretched;
}

void onFramebufferSize(GLFWwindow* /*window*/, int width, int height) {
    GameWindow& window = gameWindow();
    window.fit = fitFor(window, width, height);
    window.placementChanged = true;
    onWindowResize(width, height, window.fit);
}

void onWindowPos(GLFWwindow* /*window*/, int /*x*/, int /*y*/) {
    gameWindow().placementChanged = true;
}

// A move can make a window cover its monitor without a resize, and X reports
// a window's new size before its new place: the fit is checked again once a
// pass's events are all in.
void refitView(GameWindow& window) {
    if (!window.placementChanged) {
        return;
    }
    window.placementChanged = false;
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window.handle, &width, &height);
    if (fitFor(window, width, height) != window.fit) {
        onFramebufferSize(window.handle, width, height);
        window.placementChanged = false;
    }
}

// F11 or Alt+Enter switch between the window and fullscreen.
void fullscreenKeys(int key, int action, int mods) {
    if (windowSwitchesFullscreen() && action == GLFW_PRESS &&
        (key == GLFW_KEY_F11 || (key == GLFW_KEY_ENTER && (mods & GLFW_MOD_ALT) != 0))) {
        gameWindow().fullscreenAsked = true;
    }
}

// Keys that act on the window's edge rather than the game come through
// GLFW's key events, never the game's own key poll and never the tick:
// F11 and Alt+Enter for fullscreen, M to mute and unmute.
void onKey(GLFWwindow* /*window*/, int key, int /*scancode*/, int action, int mods) {
    fullscreenKeys(key, action, mods);
    if (key == GLFW_KEY_M && action == GLFW_PRESS) {
        toggleMute();
    }
}

// Fullscreen keeps the monitor's own video mode, so that nothing flickers
// or changes size; the window comes back at its former place and size.
void switchFullscreen(GameWindow& window) {
    if (window.fullscreen) {
        window.fullscreen = false;
        glfwSetWindowMonitor(window.handle, nullptr, window.windowedX, window.windowedY,
                             window.windowedWidth, window.windowedHeight, GLFW_DONT_CARE);
    } else {
        glfwGetWindowPos(window.handle, &window.windowedX, &window.windowedY);
        glfwGetWindowSize(window.handle, &window.windowedWidth, &window.windowedHeight);
        GLFWmonitor* monitor = monitorOf(window.handle);
        const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
        if (mode == nullptr) {
            return;
        }
        window.fullscreen = true;
        glfwSetWindowMonitor(window.handle, monitor, 0, 0, mode->width, mode->height,
                             mode->refreshRate);
    }
    // The new size is reported too, but not when it happens to be the old
    // one; the view's fit has changed either way.
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window.handle, &width, &height);
    onFramebufferSize(window.handle, width, height);
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

// Of the monitor the window opens on; 0 when the system does not say.
int refreshRateOf(GLFWwindow* handle) {
    GLFWmonitor* monitor = monitorOf(handle);
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    return mode != nullptr ? mode->refreshRate : 0;
}

// The pad's switches act as F11 and M do, once a press; on a page, the page
// switches fullscreen itself.
void actOnPadSwitches(GameWindow& window) {
    PadSwitches& asked = inputState().padSwitches;
    if (asked.fullscreen) {
        if (windowSwitchesFullscreen()) {
            window.fullscreenAsked = true;
        } else {
            askPageForFullscreen();
        }
    }
    if (asked.sound) {
        toggleMute();
        showSoundSwitched();
    }
    asked = {};
}

PadState windowPad() { return gameWindow().handle != nullptr ? readPad() : PadState{}; }

}  // namespace

void initWindow() {
    GameWindow& window = gameWindow();
    prepareWindowSystem();
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
        nameWindowForDesktop();
        // 512 x 384 on an unscaled screen; in whole steps of the view larger
        // on a scaled one.
        const WindowSize size = openingWindowSize();
        window.handle = glfwCreateWindow(size.width, size.height, "Torvik", nullptr, nullptr);
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
        glfwSetKeyCallback(window.handle, onKey);
        glfwSetWindowPosCallback(window.handle, onWindowPos);
        followScreenScale(window.handle);
        // Size the viewport now, before anything is drawn, in real pixels.
        int width = 0;
        int height = 0;
        glfwGetFramebufferSize(window.handle, &width, &height);
        onFramebufferSize(window.handle, width, height);
        glfwSwapInterval(swapsWaitForDisplay(refreshRateOf(window.handle)) ? 1 : 0);
    }
    if (window.libraryActive) {
        beginFineSleeps();
        keepPadLibraryLoaded();
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
    resizeIfScaleChanged(handle);
    refitView(gameWindow());
    actOnPadSwitches(gameWindow());
    // Switched here rather than inside the key's own event.
    if (gameWindow().fullscreenAsked) {
        gameWindow().fullscreenAsked = false;
        switchFullscreen(gameWindow());
    }
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
    static const InputDevice device{windowKey, windowMouseButton, windowCursorPos, windowPad};
    return device;
}

void closeWindow() {
    GameWindow& window = gameWindow();
    if (window.libraryActive) {
        endFineSleeps();
        glfwTerminate();
    }
    window = GameWindow{};
    glContextReady() = false;
}
