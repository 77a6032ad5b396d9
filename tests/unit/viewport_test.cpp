#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

#include "app/window_size.hpp"
#include "render/render_state.hpp"
#include "render/step_picture.hpp"

namespace {

void expectBox(const ViewportBox& box, int x, int y, int width, int height) {
    EXPECT_EQ(box.x, x);
    EXPECT_EQ(box.y, y);
    EXPECT_EQ(box.width, width);
    EXPECT_EQ(box.height, height);
}

TEST(Viewport, AWindowIsFilledWhateverItsShape) {
    expectBox(viewportFor(512, 384, ViewFit::stretched), 0, 0, 512, 384);
    expectBox(viewportFor(1920, 1080, ViewFit::stretched), 0, 0, 1920, 1080);
    // Minimised: a one-pixel viewport, never none.
    expectBox(viewportFor(512, 0, ViewFit::stretched), 0, 0, 512, 1);
}

TEST(Viewport, FullscreenShowsTheLargestWholeStepCentred) {
    expectBox(viewportFor(1280, 720, ViewFit::wholeSteps), 256, 72, 768, 576);
    expectBox(viewportFor(1920, 1080, ViewFit::wholeSteps), 320, 60, 1280, 960);
    expectBox(viewportFor(1024, 768, ViewFit::wholeSteps), 0, 0, 1024, 768);
    // A Steam Deck's screen: four steps, black 128 each side and 16 above and below.
    expectBox(viewportFor(1280, 800, ViewFit::wholeSteps), 128, 16, 1024, 768);
    expectBox(viewportFor(2560, 1440, ViewFit::wholeSteps), 384, 48, 1792, 1344);
    // Taller than wide: the width decides.
    expectBox(viewportFor(768, 1024, ViewFit::wholeSteps), 0, 224, 768, 576);
    // One pixel short of a step is a step less.
    expectBox(viewportFor(1023, 768, ViewFit::wholeSteps), 127, 96, 768, 576);
    // Smaller than the world: as large as fits, still 4:3; never nothing.
    expectBox(viewportFor(200, 100, ViewFit::wholeSteps), 33, 0, 133, 100);
    expectBox(viewportFor(0, 0, ViewFit::wholeSteps), 0, 0, 1, 1);
}

// "steps: picture in texture, pieces across x down" for a stretched window.
std::string pictureFor(int width, int height, int maxTextureSide = 8192) {
    const StepPicture p = stepPictureFor(
        width, height, viewportFor(width, height, ViewFit::stretched), maxTextureSide);
    return std::to_string(p.steps) + ": " + std::to_string(p.width) + "x" +
           std::to_string(p.height) + " in " + std::to_string(p.textureWidth) + "x" +
           std::to_string(p.textureHeight) + ", " + std::to_string(p.columns) + "x" +
           std::to_string(p.rows);
}

TEST(Viewport, AViewOfNoWholeStepIsAWholeStepPictureStretched) {
    // Whole steps, and whole world pixels stretched unevenly, are drawn straight.
    EXPECT_TRUE(wholePixels(viewportFor(512, 384, ViewFit::stretched)));
    EXPECT_TRUE(wholePixels(viewportFor(512, 192, ViewFit::stretched)));
    EXPECT_FALSE(wholePixels(viewportFor(1000, 750, ViewFit::stretched)));
    // The largest step that fits, in one piece.
    EXPECT_EQ(pictureFor(1000, 750), "3: 768x576 in 1024x1024, 1x1");
    // Never more than 4 steps, nor past the GL's largest texture.
    EXPECT_EQ(pictureFor(3840, 2160), "4: 1024x768 in 1024x1024, 1x1");
    EXPECT_EQ(pictureFor(1000, 750, 512), "2: 512x384 in 512x512, 1x1");
    // Smaller than a step: one step, drawn in window-sized pieces, up to 16.
    EXPECT_EQ(pictureFor(200, 150), "1: 256x192 in 256x256, 2x2");
    EXPECT_EQ(pictureFor(64, 48), "1: 256x192 in 256x256, 4x4");
    EXPECT_EQ(pictureFor(63, 48), "0: 0x0 in 0x0, 0x0");
    // Minimised: nothing to stretch.
    EXPECT_EQ(pictureFor(0, 0), "0: 0x0 in 0x0, 0x0");
}

TEST(WindowSize, FollowsTheScaleInWholeStepsOfTheView) {
    const auto size = [](float scale, int workWidth = 0, int workHeight = 0) {
        const WindowSize window = windowSizeFor(scale, workWidth, workHeight);
        return std::pair{window.width, window.height};
    };
    EXPECT_EQ(size(1.0F), std::pair(512, 384));
    EXPECT_EQ(size(1.5F), std::pair(768, 576));
    EXPECT_EQ(size(2.0F), std::pair(1024, 768));
    EXPECT_EQ(size(3.0F), std::pair(1536, 1152));
    // Half steps round up; anything nearer a step goes to it.
    EXPECT_EQ(size(1.25F), std::pair(768, 576));
    EXPECT_EQ(size(1.75F), std::pair(1024, 768));
    EXPECT_EQ(size(1.2F), std::pair(512, 384));
    EXPECT_EQ(size(1.1F), std::pair(512, 384));
    // Never below the unscaled window, whatever is reported.
    EXPECT_EQ(size(0.5F), std::pair(512, 384));
    EXPECT_EQ(size(0.0F), std::pair(512, 384));
    EXPECT_EQ(size(std::numeric_limits<float>::quiet_NaN()), std::pair(512, 384));
    EXPECT_EQ(size(std::numeric_limits<float>::infinity()), std::pair(512, 384));
    EXPECT_EQ(size(100.0F), std::pair(4096, 3072));
}

TEST(WindowSize, NeverLargerThanTheWorkArea) {
    const auto size = [](float scale, int workWidth, int workHeight) {
        const WindowSize window = windowSizeFor(scale, workWidth, workHeight);
        return std::pair{window.width, window.height};
    };
    // A 1366 x 768 laptop at 200 %, less its panel: a step down.
    EXPECT_EQ(size(2.0F, 1366, 728), std::pair(768, 576));
    EXPECT_EQ(size(2.0F, 1024, 768), std::pair(1024, 768));
    EXPECT_EQ(size(2.0F, 1920, 1032), std::pair(1024, 768));
    // The unscaled window even where it does not fit, as ever.
    EXPECT_EQ(size(2.0F, 800, 300), std::pair(512, 384));
    EXPECT_EQ(size(1.0F, 400, 300), std::pair(512, 384));
}

// On a scaled Wayland desktop the window is sized in the desktop's units and
// only its framebuffer tells how many pixels a unit is, while the monitor's
// work area comes in pixels: the rule is kept in pixels all the same.
TEST(WindowSize, IsReckonedInPixelsWhateverTheWindowsUnits) {
    const auto units = [](WindowMeasure window, float scale, int workWidth, int workHeight) {
        const WindowSize size = windowUnitsFor(window, scale, workWidth, workHeight);
        return std::pair{size.width, size.height};
    };
    // X and Windows: units are pixels, 1024 x 768 at 200 % on 1280 x 1024.
    EXPECT_EQ(units({{512, 384}, {512, 384}}, 2.0F, 1280, 1024), std::pair(1024, 768));
    EXPECT_EQ(units({{512, 384}, {512, 384}}, 1.0F, 1024, 768), std::pair(512, 384));
    // 1280 x 720 at 200 %: 768 x 576 pixels, 384 x 288 units; the work area
    // taken for units would have given 1024 x 768, too tall for the screen.
    EXPECT_EQ(units({{512, 384}, {1024, 768}}, 2.0F, 1280, 720), std::pair(384, 288));
    // Told 150 % after opening at the monitor's reported 200 %: 768 x 576.
    EXPECT_EQ(units({{384, 288}, {576, 432}}, 1.5F, 1280, 720), std::pair(512, 384));
    // 2560 x 1600 at 200 %: 1024 x 768, as it is.
    EXPECT_EQ(units({{512, 384}, {1024, 768}}, 2.0F, 2560, 1600), std::pair(512, 384));
    // 125 %: the fewest units that reach 768 x 576 once truncated to pixels.
    EXPECT_EQ(units({{512, 384}, {640, 480}}, 1.25F, 1920, 1080), std::pair(615, 461));
    // The frame, in units, kept inside the work area: GLFW's own
    // frame (4 units a side, a 24-unit title) leaves no room for 1024 x 768
    // on 1280 x 800 at 200 %.
    EXPECT_EQ(units({{384, 288}, {768, 576}, 8, 28}, 2.0F, 1280, 800), std::pair(384, 288));
    EXPECT_EQ(units({{384, 288}, {768, 576}, 8, 28}, 2.0F, 1280, 900), std::pair(512, 384));
    // Minimised, nothing to measure by: as it is.
    EXPECT_EQ(units({{512, 384}, {0, 0}}, 2.0F, 1280, 720), std::pair(512, 384));
    // Opening, at the monitor's scale before the desktop has told the window.
    EXPECT_EQ(unitsReaching({768, 576}, 2.0, 2.0), (WindowSize{384, 288}));
    EXPECT_EQ(unitsReaching({512, 384}, 0.0, 0.0), (WindowSize{512, 384}));
}

TEST(WindowSize, FillsAScreenToWithinOneOfItsUnits) {
    // Units are pixels: exactly.
    EXPECT_TRUE(fillsScreen({{1280, 720}, {1280, 720}}, 1280, 720));
    EXPECT_FALSE(fillsScreen({{1279, 720}, {1279, 720}}, 1280, 720));
    EXPECT_FALSE(fillsScreen({{1280, 719}, {1280, 719}}, 1280, 720));
    // 1280 x 720 at 150 % is 853.3 x 480 units, which GLFW makes
    // 1279 x 720 pixels.
    EXPECT_TRUE(fillsScreen({{853, 480}, {1279, 720}}, 1280, 720));
    EXPECT_FALSE(fillsScreen({{852, 480}, {1278, 720}}, 1280, 720));
    EXPECT_FALSE(fillsScreen({{0, 0}, {0, 0}}, 0, 0));
}

}  // namespace
