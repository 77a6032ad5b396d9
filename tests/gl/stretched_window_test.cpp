#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/images.hpp"
#include "characters/character.hpp"
#include "render/camera.hpp"
#include "render/frame.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "tests/gl/gl_window.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

using StretchedWindow = GlTest;

// One frame as the game draws it in a window of this size, read back top row
// first.
std::vector<std::uint8_t> frameAt(int width, int height, ViewFit fit) {
    resizeTestWindow(width, height);
    onWindowResize(width, height, fit);
    drawFrame(World::instance());
    return readFrame(width, height);
}

Rgb colourAt(const std::vector<std::uint8_t>& picture, int pictureWidth, int x, int y) {
    const auto at = 3 * (static_cast<std::size_t>(x) + static_cast<std::size_t>(pictureWidth) * y);
    return {picture[at], picture[at + 1], picture[at + 2]};
}

// The pixels of a width x height frame that do not show the world pixel under
// their centre as the 512 x 384 picture `whole` shows it (either neighbour
// where the centre lies on a world pixel's edge), or outside the view are not
// black. The creature is drawn one texel short across and down, so which of
// its texels gives way depends on the scale: the world pixels within 10
// across and 15 down of its centre are left out.
int wrongPixels(const std::vector<std::uint8_t>& frame, int width, int height, ViewFit fit,
                const std::vector<std::uint8_t>& whole, int creatureX, int creatureY) {
    const ViewportBox view = viewportFor(width, height, fit);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb seen = colourAt(frame, width, x, y);
            const int inX = x - view.x;
            const int inY = y - (height - view.y - view.height);
            if (inX < 0 || inY < 0 || inX >= view.width || inY >= view.height) {
                wrong += seen == Rgb{0, 0, 0} ? 0 : 1;
                continue;
            }
            // The centre in world pixels from the view's top left, times 2 x
            // the view's size.
            const long long across = (2LL * inX + 1) * 256;
            const long long down = (2LL * inY + 1) * 192;
            const auto worldX = static_cast<int>(across / (2LL * view.width));
            const auto worldY = static_cast<int>(down / (2LL * view.height));
            if (std::abs(worldX - creatureX) < 10 && std::abs(worldY - creatureY) < 15) {
                continue;
            }
            const int firstX = across % (2LL * view.width) == 0 ? worldX - 1 : worldX;
            const int firstY = down % (2LL * view.height) == 0 ? worldY - 1 : worldY;
            bool matches = false;
            for (int wx = firstX; wx <= worldX; ++wx) {
                for (int wy = firstY; wy <= worldY; ++wy) {
                    matches = matches || seen == colourAt(whole, 512, 2 * wx, 2 * wy);
                }
            }
            wrong += matches ? 0 : 1;
        }
    }
    return wrong;
}

struct WindowCase {
    int width;
    int height;
    ViewFit fit;
};

// Sizes that seamed, odd ones, one smaller than a step (drawn in pieces), and
// fullscreen on a screen smaller than a step.
constexpr std::array<WindowCase, 7> windowCases{{
    {1000, 750, ViewFit::stretched},
    {1276, 693, ViewFit::stretched},
    {640, 480, ViewFit::stretched},
    {777, 555, ViewFit::stretched},
    {301, 697, ViewFit::stretched},
    {200, 150, ViewFit::stretched},
    {250, 100, ViewFit::wholeSteps},
}};

TEST_F(StretchedWindow, ShowsTheWholeStepPictureWorldPixelForWorldPixel) {
    static const std::uint32_t atlas = uploadImage(tilesetImage);
    tilesetTexture() = atlas;
    Level level;
    Player player;
    World::instance().level = &level;
    World::instance().player = &player;
    // The start, whose view has its left side on a tile edge and its top not,
    // and a place where both are: there, at 1000 x 750, every other tile edge
    // runs through pixel centres, across and down.
    for (const auto& [px, py] : {std::array<int, 2>{20, 115}, {200, 304}}) {
        player.x = static_cast<std::uint32_t>(px) << 8;
        player.y = static_cast<std::uint32_t>(py) << 8;
        const CameraCentre camera = clampCamera(px, py, level.width, level.height);
        const int creatureX = px - camera.x + viewHalfWidth;
        const int creatureY = py - camera.y + viewHalfHeight;
        const std::vector<std::uint8_t> whole = frameAt(512, 384, ViewFit::stretched);
        for (const auto& [width, height, fit] : windowCases) {
            const std::vector<std::uint8_t> frame = frameAt(width, height, fit);
            const std::string size = std::to_string(width) + "x" + std::to_string(height);
            saveScreenshot("stretched_" + size + "_at_" + std::to_string(px));
            EXPECT_EQ(wrongPixels(frame, width, height, fit, whole, creatureX, creatureY), 0)
                << size << ", player at " << px << "," << py;
        }
    }
}

}  // namespace
