#include "app/page_clock.hpp"

#include <gtest/gtest.h>

#include "app/frame_pacer.hpp"

namespace {

// A page's animation frames at a display's refresh rate, each running a pass
// unless the pacer's wait is still on, read off a clock the test moves.
struct PageFrames : ::testing::Test {
    static inline double browserNow = 0.0;
    static inline PageClock clock;
    static inline FrameWait wait;
    FramePacer pacer;

    static double pageNow() { return pageSeconds(clock, browserNow); }
    static void waitSeconds(double seconds) { beginWait(wait, pageNow(), seconds); }

    void SetUp() override {
        browserNow = 0.0;
        clock = PageClock{};
        wait = FrameWait{};
        pacer.lastTime = pageNow();
    }

    // Frames at `hertz` for `seconds` of the browser's clock; the passes run.
    int frames(double hertz, double seconds) {
        const double start = browserNow;
        int passes = 0;
        for (long frame = 1; frame <= static_cast<long>(seconds * hertz); ++frame) {
            browserNow = start + static_cast<double>(frame) / hertz;
            if (passDue(wait, pageNow())) {
                measurePass(pacer, pageNow());
                pacePass(pacer, waitSeconds);
                ++passes;
            }
        }
        return passes;
    }
};

TEST_F(PageFrames, SixtyTicksASecondWhateverTheRefreshRate) {
    for (const double hertz : {60.0, 75.0, 120.0, 144.0}) {
        SetUp();
        const double perSecond = frames(hertz, 10.0) / 10.0;
        EXPECT_NEAR(perSecond, 60.0, 1.0) << hertz << " Hz";
    }
}

TEST_F(PageFrames, AHiddenSpellDoesNotSpeedTheGameUpAfterwards) {
    frames(144.0, 2.0);
    hidePage(clock, browserNow);
    const double hiddenAt = pageNow();
    browserNow += 600.0;  // ten minutes in another tab: no frames at all
    EXPECT_EQ(pageNow(), hiddenAt);
    showPage(clock, browserNow);
    EXPECT_EQ(pageNow(), hiddenAt);

    EXPECT_NEAR(frames(144.0, 10.0) / 10.0, 60.0, 1.0);
}

TEST_F(PageFrames, RepeatedNoticesOfOneSpellCountItOnce) {
    // Hidden, then frozen, then shown and resumed: the page hears of one
    // spell several times.
    hidePage(clock, 5.0);
    hidePage(clock, 7.0);
    showPage(clock, 9.0);
    showPage(clock, 12.0);
    EXPECT_EQ(pageSeconds(clock, 20.0), 16.0);
}

}  // namespace
