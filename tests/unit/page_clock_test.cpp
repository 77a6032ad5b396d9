#include "app/page_clock.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "app/frame_pacer.hpp"

namespace {

// A page's animation frames at a display's refresh rate, each running a pass
// when the pacer's wait is over and the pass's turn has come, read off a
// clock the test moves.
struct PageFrames : ::testing::Test {
    static inline double browserNow = 0.0;
    static inline PageClock clock;
    static inline FrameWait wait;
    FrameGrid grid;
    FramePacer pacer;
    long frameCount = 0;
    std::vector<long> passFrames;  // the frames that ran a pass, counted from 1
    std::uint32_t noise = 12345;

    static double pageNow() { return pageSeconds(clock, browserNow); }
    static void waitSeconds(double seconds) { beginWait(wait, pageNow(), seconds); }

    void SetUp() override {
        browserNow = 0.0;
        clock = PageClock{};
        wait = FrameWait{};
        grid = FrameGrid{};
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

    // One animation frame that began at the browser's `frameTime`.
    void frame(double frameTime) {
        browserNow = frameTime;
        ++frameCount;
        const double now = pageNow();
        if (passDue(wait, now) && turnCome(grid, now)) {
            takeTurn(grid, now);
            measurePass(pacer, now);
            pacePass(pacer, waitSeconds);
            passFrames.push_back(frameCount);
        }
    }

    // Frames at `hertz` for `seconds`, their times wavering by up to
    // `jitter`; the passes they ran.
    int frames(double hertz, double seconds, double jitter = 0.0) {
        const double start = browserNow;
        const std::size_t before = passFrames.size();
        for (long i = 1; i <= std::lround(seconds * hertz); ++i) {
            frame(start + static_cast<double>(i) / hertz + waver(jitter));
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

TEST_F(PageFrames, SixtyTicksASecondWhateverTheRefreshRate) {
    for (const double hertz : {60.0, 75.0, 90.0, 120.0, 144.0, 240.0}) {
        SetUp();
        const double perSecond = frames(hertz, 10.0) / 10.0;
        EXPECT_NEAR(perSecond, 60.0, 0.2) << hertz << " Hz";
    }
}

TEST_F(PageFrames, PassesFallEvenlyOnTheFrames) {
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

TEST_F(PageFrames, ADisplayAHairOffSixtyHertz) {
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

TEST_F(PageFrames, AfterAStallThePassesKeepTheirPaceWithoutARush) {
    frames(144.0, 2.0);
    const std::size_t beforeStall = passFrames.size();
    browserNow += 0.25;  // the page stood still a quarter of a second
    // The turns missed are not made up: 60 a second on from the stall,
    // never two passes on frames in a row.
    EXPECT_NEAR(frames(144.0, 2.0), 120, 1);
    EXPECT_EQ(gaps(beforeStall).begin()->first, 2);
    EXPECT_EQ(gaps(beforeStall).rbegin()->first, 3);
}

TEST_F(PageFrames, AHiddenSpellDoesNotSpeedTheGameUpAfterwards) {
    frames(144.0, 2.0);
    hidePage(clock, browserNow);
    const double hiddenAt = pageNow();
    browserNow += 600.0;  // ten minutes in another tab: no frames at all
    EXPECT_EQ(pageNow(), hiddenAt);
    showPage(clock, browserNow);
    EXPECT_EQ(pageNow(), hiddenAt);

    const std::size_t beforeShown = passFrames.size();
    EXPECT_NEAR(frames(144.0, 10.0) / 10.0, 60.0, 0.2);
    EXPECT_EQ(gaps(beforeShown).begin()->first, 2);
    EXPECT_EQ(gaps(beforeShown).rbegin()->first, 3);
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
