#include "app/page_clock.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "app/frame_pacer.hpp"

namespace {

// A page's animation frames at a display's refresh rate, each deciding as
// the page does whether it runs a pass, on a clock the test moves. A frame's
// script runs a little after the frame began, as a busy page's does.
struct AnimationFrames : ::testing::Test {
    static inline double browserNow = 0.0;
    static inline PageFrames page;
    FramePacer pacer;
    long frameCount = 0;
    std::vector<long> passFrames;  // the frames that ran a pass, counted from 1
    std::uint32_t noise = 12345;

    static double pageNow() { return pageSeconds(page.clock, browserNow); }
    static void waitSeconds(double seconds) { beginWait(page.wait, pageNow(), seconds); }

    void SetUp() override {
        browserNow = 0.0;
        page = PageFrames{};
        // The first pass comes after the page's start-up, as in a browser.
        pacer = FramePacer{};
        pacer.lastTime = -0.3;
        frameCount = 0;
        passFrames.clear();
    }

    // Up to `jitter` seconds either way, the same every run.
    double waver(double jitter) {
        noise = noise * 1664525U + 1013904223U;
        return jitter * ((static_cast<double>(noise >> 8) / double{1U << 24}) * 2.0 - 1.0);
    }

    // One animation frame that began at the browser's `frameTime`, its
    // script running `late` seconds after.
    void frame(double frameTime, double late = 0.0) {
        browserNow = frameTime + late;
        ++frameCount;
        if (frameRunsPass(page, frameTime, browserNow)) {
            measurePass(pacer, pageNow());
            pacePass(pacer, waitSeconds);
            passFrames.push_back(frameCount);
        }
    }

    // Frames at `hertz` for `seconds`, their times wavering by up to
    // `jitter`, their scripts running up to `late` after them; the passes
    // they ran.
    int frames(double hertz, double seconds, double jitter = 0.0, double late = 0.0) {
        const double start = browserNow;
        const std::size_t before = passFrames.size();
        for (long i = 1; i <= std::lround(seconds * hertz); ++i) {
            frame(start + static_cast<double>(i) / hertz + waver(jitter), std::abs(waver(late)));
        }
        browserNow = start + seconds;
        return static_cast<int>(passFrames.size() - before);
    }

    // How many times each gap between passes, in frames, came after the
    // first `skip` passes.
    std::map<long, int> gaps(std::size_t skip = 0) const {
        std::map<long, int> counted;
        for (std::size_t i = skip + 1; i < passFrames.size(); ++i) {
            ++counted[passFrames[i] - passFrames[i - 1]];
        }
        return counted;
    }
};

using Gaps = std::map<long, int>;

TEST_F(AnimationFrames, SixtyTicksASecondWhateverTheRefreshRate) {
    for (const double hertz : {60.0, 75.0, 90.0, 120.0, 144.0, 240.0}) {
        SetUp();
        const double perSecond = frames(hertz, 10.0) / 10.0;
        EXPECT_NEAR(perSecond, 60.0, 0.2) << hertz << " Hz";
    }
}

TEST_F(AnimationFrames, PassesFallEvenlyOnTheFrames) {
    // Every frame at 60 Hz; every second at 120; at 90 and 144 one or two
    // frames apart and two or three, turn about; never a run and a hold.
    const std::map<double, std::pair<long, long>> apart{
        {60.0, {1, 1}}, {90.0, {1, 2}}, {120.0, {2, 2}}, {144.0, {2, 3}}, {75.0, {1, 2}}};
    for (const auto& [hertz, range] : apart) {
        for (const double jitter : {0.0, 0.001}) {
            SetUp();
            frames(hertz, 10.0, jitter);
            const Gaps seen = gaps();
            EXPECT_EQ(seen.begin()->first, range.first) << hertz << " Hz, jitter " << jitter;
            EXPECT_EQ(seen.rbegin()->first, range.second) << hertz << " Hz, jitter " << jitter;
        }
    }
}

TEST_F(AnimationFrames, ADisplayAHairOffSixtyHertz) {
    // A hair slow: every frame, as the desktop's synchronised swap has it.
    frames(59.94, 60.0, 0.0005);
    EXPECT_EQ(gaps(), (Gaps{{1, static_cast<int>(passFrames.size()) - 1}}));

    // A hair fast: 60 a second, a frame passed over every 20 s or so, when
    // the frames have gained a whole pass on the grid.
    SetUp();
    const int passes = frames(60.05, 60.0, 0.0005);
    EXPECT_NEAR(passes, 3600, 1);
    const Gaps seen = gaps();
    EXPECT_LE(seen.size(), 2U);
    EXPECT_LE(seen.at(1) + 1, static_cast<int>(passes));
    EXPECT_LE(seen.count(2) != 0 ? seen.at(2) : 0, 3);
}

TEST_F(AnimationFrames, AfterAStallThePassesKeepTheirPaceWithoutARush) {
    frames(144.0, 2.0);
    const std::size_t beforeStall = passFrames.size();
    browserNow += 0.25;  // the page stood still a quarter of a second
    // The turns missed are not made up: 60 a second on from the stall,
    // never two passes on frames in a row.
    EXPECT_NEAR(frames(144.0, 2.0), 120, 1);
    EXPECT_EQ(gaps(beforeStall).begin()->first, 2);
    EXPECT_EQ(gaps(beforeStall).rbegin()->first, 3);
}

TEST_F(AnimationFrames, AHiddenSpellDoesNotSpeedTheGameUpAfterwards) {
    frames(144.0, 2.0);
    holdPage(page.clock, PageHold::hidden, browserNow);
    const double hiddenAt = pageNow();
    browserNow += 600.0;  // ten minutes in another tab: no frames at all
    EXPECT_EQ(pageNow(), hiddenAt);
    releasePage(page.clock, PageHold::hidden, browserNow);
    EXPECT_EQ(pageNow(), hiddenAt);

    const std::size_t beforeShown = passFrames.size();
    EXPECT_NEAR(frames(144.0, 10.0) / 10.0, 60.0, 0.2);
    EXPECT_EQ(gaps(beforeShown).begin()->first, 2);
    EXPECT_EQ(gaps(beforeShown).rbegin()->first, 3);
}

TEST_F(AnimationFrames, ALateScriptKeepsToTheFramesOwnTimes) {
    // The script of a frame runs up to 8 ms after the frame began, by how
    // busy the page is: the turns are judged on the frames' own times, so at
    // 60 Hz every frame still runs a pass, and at 144 Hz they stay two or
    // three frames apart.
    frames(60.0, 10.0, 0.0005, 0.008);
    EXPECT_EQ(gaps(), (Gaps{{1, static_cast<int>(passFrames.size()) - 1}}));
    SetUp();
    EXPECT_NEAR(frames(144.0, 10.0, 0.0005, 0.008) / 10.0, 60.0, 0.2);
    EXPECT_EQ(gaps().begin()->first, 2);
    EXPECT_EQ(gaps().rbegin()->first, 3);
}

TEST_F(AnimationFrames, NoPassWhileTheContextIsLostAndNoRushAfter) {
    frames(60.0, 2.0);
    const std::size_t beforeLoss = passFrames.size();
    holdPage(page.clock, PageHold::contextLost, browserNow);
    const double lostAt = pageNow();
    // The frames go on coming: the page is shown, only its WebGL is gone.
    EXPECT_EQ(frames(60.0, 3.0), 0);
    EXPECT_EQ(pageNow(), lostAt);
    releasePage(page.clock, PageHold::contextLost, browserNow);
    EXPECT_EQ(pageNow(), lostAt);
    // Back on the first frame, then 60 a second, one on every frame.
    EXPECT_NEAR(frames(60.0, 5.0), 300, 1);
    EXPECT_EQ(passFrames[beforeLoss], static_cast<long>(beforeLoss) + 180 + 1);
    EXPECT_EQ(gaps(beforeLoss).size(), 1U);
}

TEST_F(AnimationFrames, HeldUntilEveryReasonIsOver) {
    // Hidden, its context lost while hidden, shown again before the context
    // comes back: held from the first to the last.
    frames(60.0, 1.0);
    holdPage(page.clock, PageHold::hidden, 1.0);
    holdPage(page.clock, PageHold::contextLost, 2.0);
    releasePage(page.clock, PageHold::hidden, 3.0);
    browserNow = 3.0;
    EXPECT_EQ(frames(60.0, 1.0), 0);
    releasePage(page.clock, PageHold::contextLost, 5.0);
    EXPECT_EQ(pageSeconds(page.clock, 6.0), 2.0);
}

TEST_F(AnimationFrames, RepeatedNoticesOfOneSpellCountItOnce) {
    // Hidden, then frozen, then shown and resumed: the page hears of one
    // spell several times.
    holdPage(page.clock, PageHold::hidden, 5.0);
    holdPage(page.clock, PageHold::hidden, 7.0);
    releasePage(page.clock, PageHold::hidden, 9.0);
    releasePage(page.clock, PageHold::hidden, 12.0);
    EXPECT_EQ(pageSeconds(page.clock, 20.0), 16.0);
}

}  // namespace
