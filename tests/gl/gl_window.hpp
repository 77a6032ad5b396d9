#pragma once

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "render/image16.hpp"
#include "world/level.hpp"

// The game's window size and the logical view stretched over it.
inline constexpr int testWindowWidth = 512;
inline constexpr int testWindowHeight = 384;

// One real window with a 24-bit depth buffer for the whole test run, its
// context current and the renderer set up on it as at start-up. Null when no
// display can be opened.
GLFWwindow* testWindow();

// Resizes the window and waits until its framebuffer has the new size.
void resizeTestWindow(int width, int height);

using Rgb = std::array<int, 3>;

// The colour of one pixel of the frame just drawn, counted from the top-left
// corner as on screen.
Rgb pixelAt(int x, int yFromTop);

// The whole frame, top row first, 3 bytes a pixel.
std::vector<std::uint8_t> readFrame(int width, int height);

// Writes the frame as a PNG (through ImageMagick) when the environment names a
// directory for screenshots; does nothing otherwise.
void saveScreenshot(const std::string& name);

// 5-bit channels, opaque.
constexpr std::uint16_t opaqueWord(int red, int green, int blue) {
    return static_cast<std::uint16_t>(0x8000 | red | (green << 5) | (blue << 10));
}

// The 5-bit value a framebuffer byte came from (the expansion is one-to-one).
int channel5(int byte);

// A texture made the way the game makes its own.
std::uint32_t uploadImage(const Image16& image);

// A level of the given size whose tiles the test fills in.
std::unique_ptr<Level> blankLevel(int width, int height);

// Every test starts from the state start-up leaves: the fixed state, the
// window at 512 x 384 with its projection, a cleared frame, an empty World.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
