#include "app/window.hpp"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/frame_pacer.hpp"
#include "app/pad_library.hpp"
#include "app/screen_scale.hpp"
#include "app/sleep_precision.hpp"
#include "app/window_target.hpp"
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

void onFramebufferSize(GLFWwindow* /*window*/, int width, int height) {
    onWindowResize(width, height,
                   gameWindow().fullscreen ? ViewFit::wholeSteps : ViewFit::stretched);
}

// F11 or Alt+Enter switch between the window and fullscreen.
void fullscreenKeys(int key, int action, int mods) {
    if (windowTarget.switchesFullscreen && action == GLFW_PRESS &&
        (key == GLFW_KEY_F11 || (key == GLFW_KEY_ENTER && (mods & GLFW_MOD_ALT) != 0))) {
        gameWindow().fullscreenAsked = true;
    }
}

// Keys that act on the window's edge rather than the game come through the
// library's key events, never the game's own key poll and never the tick:
// F11 and Alt+Enter for fullscreen, M to mute and unmute.
void onKey(GLFWwindow* /*window*/, int key, int /*scancode*/, int action, int mods) {
    fullscreenKeys(key, action, mods);
    if (key == GLFW_KEY_M && action == GLFW_PRESS) {
        toggleMute();
    }
}

// The monitor under the window's centre, or the primary one when it is off
// every screen.
GLFWmonitor* monitorUnder(const GameWindow& window) {
    return monitorAt(window.windowedX + window.windowedWidth / 2,
                     window.windowedY + window.windowedHeight / 2);
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
        GLFWmonitor* monitor = monitorUnder(window);
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

PadState windowPad() { return gameWindow().handle != nullptr ? readPad() : PadState{}; }

// GLFW 3.4 tries Wayland before X11, and where no Wayland display can be
// reached at all (no socket handed over, none named by path and no runtime
// directory to look in) its client library complains on stderr before giving
// way. There the game goes straight to X11, as with 3.3, and a failed window
// says only what the game says.
void skipUnreachableWayland() {
#if defined(GLFW_PLATFORM) && defined(GLFW_PLATFORM_X11)
    const auto absolutePath = [](const char* variable) {
        const char* value = std::getenv(variable);
        return value != nullptr && value[0] == '/';
    };
    if (std::getenv("WAYLAND_SOCKET") == nullptr && !absolutePath("WAYLAND_DISPLAY") &&
        !absolutePath("XDG_RUNTIME_DIR")) {
        glfwInitHint(GLFW_PLATFORM, GLFW_PLATFORM_X11);
    }
#endif
}

}  // namespace

void initWindow() {
    GameWindow& window = gameWindow();
    skipUnreachableWayland();
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
        followScreenScale(window.handle);
        // Size the viewport now, before anything is drawn, in real pixels.
        int width = 0;
        int height = 0;
        glfwGetFramebufferSize(window.handle, &width, &height);
        onFramebufferSize(window.handle, width, height);
        glfwSwapInterval(1);
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
