#include "tests/gl/gl_window.hpp"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "render/gl_context.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "world/world.hpp"

namespace {

void onFramebufferSize(GLFWwindow* /*window*/, int width, int height) {
    onWindowResize(width, height);
}

// Says why the window could not open, which the failed test alone cannot.
void onGlfwError(int code, const char* description) {
    std::fprintf(stderr, "GLFW error %#x: %s\n", static_cast<unsigned>(code), description);
}

GLFWwindow* openWindow() {
    glfwSetErrorCallback(onGlfwError);
    if (glfwInit() != GLFW_TRUE) {
        return nullptr;
    }
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    GLFWwindow* window =
        glfwCreateWindow(testWindowWidth, testWindowHeight, "Torvik tests", nullptr, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    glfwMakeContextCurrent(window);
    glfwSwapInterval(0);
    glContextReady() = true;
    glfwSetFramebufferSizeCallback(window, onFramebufferSize);
    onWindowResize(testWindowWidth, testWindowHeight);
    setupRenderer(tilesetTexture());
    return window;
}

}  // namespace

GLFWwindow* testWindow() {
    static GLFWwindow* window = openWindow();
    return window;
}

void resizeTestWindow(int width, int height) {
    GLFWwindow* window = testWindow();
    int currentWidth = 0;
    int currentHeight = 0;
    glfwGetFramebufferSize(window, &currentWidth, &currentHeight);
    if (currentWidth == width && currentHeight == height) {
        return;
    }
    glfwSetWindowSize(window, width, height);
    // The X server answers asynchronously, and late on a busy machine; the
    // size handler runs in here. Up to 30 s: only a lost answer takes that.
    for (int tries = 0; tries < 3000; ++tries) {
        glfwWaitEventsTimeout(0.01);
        glfwGetFramebufferSize(window, &currentWidth, &currentHeight);
        if (currentWidth == width && currentHeight == height) {
            break;
        }
    }
    // As in the game, a swap lets the driver pick up the new drawable size.
    glfwSwapBuffers(window);
    glfwPollEvents();
}

std::vector<std::uint8_t> readFrame(int width, int height) {
    glFinish();
    std::vector<std::uint8_t> rows(3 * static_cast<std::size_t>(width) * height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
    // OpenGL counts rows from the bottom; flip to screen order.
    std::vector<std::uint8_t> frame(rows.size());
    const auto stride = 3 * static_cast<std::size_t>(width);
    for (int y = 0; y < height; ++y) {
        std::copy_n(rows.begin() + static_cast<std::ptrdiff_t>(stride * (height - 1 - y)), stride,
                    frame.begin() + static_cast<std::ptrdiff_t>(stride * y));
    }
    return frame;
}

Rgb pixelAt(int x, int yFromTop) {
    glFinish();
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(testWindow(), &width, &height);
    std::array<std::uint8_t, 3> rgb{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, height - 1 - yFromTop, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return {rgb[0], rgb[1], rgb[2]};
}

void saveScreenshot(const std::string& name) {
    const char* directory = std::getenv("TORVIK_SCREENSHOTS");
    if (directory == nullptr) {
        return;
    }
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(testWindow(), &width, &height);
    const std::vector<std::uint8_t> frame = readFrame(width, height);
    const std::string ppm = std::string(directory) + "/" + name + ".ppm";
    {
        std::ofstream out(ppm, std::ios::binary);
        out << "P6\n" << width << " " << height << "\n255\n";
        out.write(reinterpret_cast<const char*>(frame.data()),
                  static_cast<std::streamsize>(frame.size()));
    }
    const std::string command = "convert '" + ppm + "' '" + std::string(directory) + "/" + name +
                                ".png' && rm '" + ppm + "'";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "could not convert %s\n", ppm.c_str());
    }
}

int channel5(int byte) { return (byte * 31 + 127) / 255; }

std::uint32_t uploadImage(const Image16& image) {
    std::uint32_t name = 0;
    decodeTexture(name, image);
    return name;
}

std::unique_ptr<Level> blankLevel(int width, int height) {
    auto level = std::make_unique<Level>();
    level->width = static_cast<std::uint16_t>(width);
    level->height = static_cast<std::uint16_t>(height);
    level->tiles.assign(static_cast<std::size_t>(width) * height, 0);
    return level;
}

void GlTest::SetUp() {
    ASSERT_NE(testWindow(), nullptr) << "no display: run under Xvfb with DISPLAY set";
    resizeTestWindow(testWindowWidth, testWindowHeight);
    setupGlState();
    onWindowResize(testWindowWidth, testWindowHeight);
    clearFrame();
    resetWorld(World::instance());
}

void GlTest::TearDown() {
    resetWorld(World::instance());
    // Nothing of one test's frame may leak into the next.
    glfwPollEvents();
}
