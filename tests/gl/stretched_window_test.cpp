#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
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

// The real level, atlas and creature, as the game shows them.
class StretchedWindow : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        static const std::uint32_t atlas = uploadImage(tilesetImage);
        tilesetTexture() = atlas;
        player = std::make_unique<Player>();
        World& world = World::instance();
        world.level = &level;
        world.player = player.get();
    }

    void TearDown() override {
        player.reset();
        GlTest::TearDown();
    }

    Level level;
    std::unique_ptr<Player> player;
};

// One frame as the game draws it, read back, in a window of this size whose
// view has the given fit.
std::vector<std::uint8_t> frameAt(int width, int height, ViewFit fit = ViewFit::stretched) {
    resizeTestWindow(width, height);
    onWindowResize(width, height, fit);
    drawFrame(World::instance());
    return readFrame(width, height);
}

// A rectangle of world pixels in the view, right and bottom exclusive.
struct WorldBox {
    int left;
    int top;
    int right;
    int bottom;
};

Rgb colourAt(const std::vector<std::uint8_t>& picture, int pictureWidth, int x, int y) {
    const auto at = 3 * (static_cast<std::size_t>(x) + static_cast<std::size_t>(pictureWidth) * y);
    return {picture[at], picture[at + 1], picture[at + 2]};
}

// The screen pixels of `frame` (width x height, top row first, the view in box
// `view` of the window) that do not show the world pixel under their centre
// as the 512 x 384 picture `whole` shows it; where the centre lies on a world
// pixel's edge, either neighbour will do. The creature is drawn one texel
// short across and down, so which of its texels gives way depends on the
// scale: the world pixels around it are left out. Outside the view, black.
int wrongPixels(const std::vector<std::uint8_t>& frame, int width, int height,
                const ViewportBox& view, const std::vector<std::uint8_t>& whole,
                const WorldBox& creature) {
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb seen = colourAt(frame, width, x, y);
            const int inX = x - view.x;
            const int inY = (height - 1 - y) - view.y;  // from the view's bottom
            if (inX < 0 || inY < 0 || inX >= view.width || inY >= view.height) {
                wrong += seen == Rgb{0, 0, 0} ? 0 : 1;
                continue;
            }
            // The centre's place in world pixels, from the view's top left,
            // as a fraction over 2 x the view's size.
            const long long across = (2LL * inX + 1) * 256;
            const long long down = (2LL * (view.height - 1 - inY) + 1) * 192;
            const auto worldX = static_cast<int>(across / (2LL * view.width));
            const auto worldY = static_cast<int>(down / (2LL * view.height));
            if (worldX >= creature.left && worldX < creature.right && worldY >= creature.top &&
                worldY < creature.bottom) {
                continue;
            }
            const bool onEdgeX = across % (2LL * view.width) == 0;
            const bool onEdgeY = down % (2LL * view.height) == 0;
            bool matches = false;
            for (int wx = onEdgeX ? worldX - 1 : worldX; wx <= worldX; ++wx) {
                for (int wy = onEdgeY ? worldY - 1 : worldY; wy <= worldY; ++wy) {
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

// Sizes that seamed, odd ones, one smaller than a step (drawn in pieces), a
// whole step, and fullscreen on a screen larger and one smaller than a step.
constexpr std::array<WindowCase, 9> windowCases{{
    {1000, 750, ViewFit::stretched},
    {1276, 693, ViewFit::stretched},
    {640, 480, ViewFit::stretched},
    {777, 555, ViewFit::stretched},
    {301, 697, ViewFit::stretched},
    {200, 150, ViewFit::stretched},
    {1024, 768, ViewFit::stretched},
    {1280, 720, ViewFit::wholeSteps},
    {250, 100, ViewFit::wholeSteps},
}};

TEST_F(StretchedWindow, ShowsTheWholeStepPictureWorldPixelForWorldPixel) {
    // The start, whose view has its left side on a tile edge and its top not,
    // and a place where both are: there, at 1000 x 750, every other tile edge
    // runs through pixel centres, across and down.
    for (const auto& [px, py] : {std::array<int, 2>{20, 115}, {200, 304}}) {
        player->x = static_cast<std::uint32_t>(px) << 8;
        player->y = static_cast<std::uint32_t>(py) << 8;
        const CameraCentre camera = clampCamera(px, py, level.width, level.height);
        const int spriteX = px - (camera.x - viewHalfWidth);
        const int spriteY = py - (camera.y - viewHalfHeight);
        // The 16 x 27 frame's quad, and 2 world pixels around it.
        const WorldBox creature{spriteX - 10, spriteY - 15, spriteX + 10, spriteY + 15};
        const std::vector<std::uint8_t> whole = frameAt(512, 384);
        for (const WindowCase& window : windowCases) {
            const std::vector<std::uint8_t> frame =
                frameAt(window.width, window.height, window.fit);
            const std::string size =
                std::to_string(window.width) + "x" + std::to_string(window.height);
            saveScreenshot("stretched_" + size + "_at_" + std::to_string(px));
            const ViewportBox view = viewportFor(window.width, window.height, window.fit);
            const int wrong =
                wrongPixels(frame, window.width, window.height, view, whole, creature);
            EXPECT_EQ(wrong, 0) << size << ", player at " << px << "," << py;
        }
    }
}

}  // namespace
