#include <gtest/gtest.h>

#include "render/render_state.hpp"

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

TEST(Viewport, FullscreenKeepsTheViewFourByThreeAndCentred) {
    expectBox(viewportFor(1024, 768, ViewFit::letterboxed), 0, 0, 1024, 768);
    expectBox(viewportFor(1920, 1080, ViewFit::letterboxed), 240, 0, 1440, 1080);
    expectBox(viewportFor(1366, 768, ViewFit::letterboxed), 171, 0, 1024, 768);
    expectBox(viewportFor(1280, 1024, ViewFit::letterboxed), 0, 32, 1280, 960);
    expectBox(viewportFor(768, 1024, ViewFit::letterboxed), 0, 224, 768, 576);
    expectBox(viewportFor(0, 0, ViewFit::letterboxed), 0, 0, 1, 1);
}

}  // namespace
