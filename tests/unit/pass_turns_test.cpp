#include "app/pass_turns.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "app/frame_pacer.hpp"

namespace {

// The desktop's loop on a clock the test moves, before a display of its
// choosing: each pass waits for its turn, works, swaps and lets the pacer
// sleep, as app/main_loop_desktop.cpp and runPass do. With vsync a swap first
// waits until the previous frame has been shown, as a compositor's
// throttling has it, and its frame is shown at the next refresh after that.
struct Desktop {
    static inline double now = 0.0;
    double hertz;
    bool vsync;
    double shownAt = -1.0;       // when the last frame was shown, seconds
    std::vector<double> starts;  // each pass's start, after its wait
    std::vector<long> shown;     // the refresh each frame was shown at
    PassTurns turns{.lateTurns = desktopLateTurns};
    FramePacer pacer;
    std::uint32_t noise = 12345;

    static double clock() { return now; }
    static void sleep(double seconds) { now += seconds; }
    // The pacer's sleeps, in whole milliseconds as the desktop's.
    static void sleepMs(double seconds) {
        now += std::max(1.0, std::round(seconds * 1000.0)) / 1000.0;
    }

    // A display of `refreshHz` whose swaps wait for it, or not.
    explicit Desktop(double refreshHz, bool swapsWait = true) : hertz(refreshHz), vsync(swapsWait) {
        now = 0.0;
        pacer.lastTime = -0.3;  // the start-up before the first pass
    }

    // Between 0 and `most` seconds, the same every run.
    double upTo(double most) {
        noise = noise * 1664525U + 1013904223U;
        return most * static_cast<double>(noise >> 8) / double{1U << 24};
    }

    void pass(double work) {
        waitForTurn(turns, clock, sleep);
        // A wakeup comes a little after it was asked for.
        now += upTo(0.0002);
        starts.push_back(now);
        measurePass(pacer, now);
        now += work;
        if (vsync) {
            now = std::max(now, shownAt);
            const double refresh = 1.0 / hertz;
            double next = std::ceil(now / refresh + 1e-9) * refresh;
            if (next <= shownAt + refresh / 2) {
                next = shownAt + refresh;
            }
            shownAt = next;
            shown.push_back(std::lround(next * hertz));
        }
        pacePass(pacer, sleepMs);
    }

    // Passes of 1 to 3 ms of work for `seconds` of the clock; how many ran.
    long run(double seconds) {
        const std::size_t before = starts.size();
        const double until = now + seconds;
        while (now < until) {
            pass(0.001 + upTo(0.002));
        }
        return static_cast<long>(starts.size() - before);
    }

    // The fewest and most refreshes between frames shown after the first
    // `skip` passes.
    std::pair<long, long> refreshesApart(std::size_t skip = 0) const {
        long fewest = 1000;
        long most = 0;
        for (std::size_t i = skip + 1; i < shown.size(); ++i) {
            fewest = std::min(fewest, shown[i] - shown[i - 1]);
            most = std::max(most, shown[i] - shown[i - 1]);
        }
        return {fewest, most};
    }

    // The most passes that started within any one second.
    long mostInASecond(std::size_t skip = 0) const {
        long most = 0;
        std::size_t first = skip;
        for (std::size_t last = skip; last < starts.size(); ++last) {
            while (starts[last] - starts[first] >= 1.0) {
                ++first;
            }
            most = std::max(most, static_cast<long>(last - first + 1));
        }
        return most;
    }
};

TEST(Desktop, SixtyPassesASecondOnAnEvenBeatAtAnyRefreshRate) {
    // floor(R/60) to ceil(R/60) refreshes apart, never sooner, never later.
    for (const double rate : {60.0, 75.0, 90.0, 120.0, 144.0, 165.0, 240.0}) {
        Desktop desktop(rate);
        EXPECT_NEAR(desktop.run(10.0) / 10.0, 60.0, 0.15) << rate << " Hz";
        const auto [fewest, most] = desktop.refreshesApart(2);
        EXPECT_EQ(fewest, static_cast<long>(std::floor(rate / 60.0))) << rate << " Hz";
        EXPECT_EQ(most, static_cast<long>(std::ceil(rate / 60.0))) << rate << " Hz";
    }
}

TEST(Desktop, WithoutVsyncPassesComeOnePassLengthApart) {
    Desktop desktop(60.0, false);
    EXPECT_NEAR(desktop.run(10.0) / 10.0, 60.0, 0.15);
    const std::vector<double>& starts = desktop.starts;
    for (std::size_t i = 2; i < starts.size(); ++i) {
        EXPECT_NEAR(starts[i] - starts[i - 1], 1.0 / 60.0, 0.0025) << "pass " << i;
    }
}

TEST(Desktop, BelowSixtyHertzTheSwapsStopWaitingAndTheGameKeepsItsSpeed) {
    EXPECT_FALSE(swapsWaitForDisplay(50));
    EXPECT_FALSE(swapsWaitForDisplay(59));
    EXPECT_TRUE(swapsWaitForDisplay(60));
    EXPECT_TRUE(swapsWaitForDisplay(144));
    EXPECT_TRUE(swapsWaitForDisplay(0));  // not known: as asked for
    // Waiting at 50 Hz would hold the game a sixth slow; not waiting, it
    // keeps 60 a second, of which the display shows 50.
    EXPECT_NEAR(Desktop(50.0).run(10.0) / 10.0, 50.0, 0.15);
    EXPECT_NEAR(Desktop(50.0, false).run(10.0) / 10.0, 60.0, 0.15);
}

TEST(Desktop, ALatePassKeepsTheBeatAndAStallStartsItAfreshWithoutARush) {
    Desktop desktop(144.0);
    desktop.run(2.0);
    // Hiccups of the machine: a pass up to just under half a turn late keeps
    // the beat, the next coming on its turn; later, the beat starts afresh
    // from it. Either way no second holds more than 61 passes.
    const std::size_t beforeHiccups = desktop.starts.size();
    for (const double late : {0.008, 0.0085, 0.0081, 0.012}) {
        const double turn = desktop.turns.nextTurn;
        Desktop::now = turn + late;
        desktop.pass(0.001);
        // Within the wakeup's own lateness of the pass's start.
        const double start = desktop.starts.back();
        EXPECT_NEAR(desktop.turns.nextTurn, (late < 0.0083 ? turn : start) + 1.0 / 60.0, 0.0003)
            << late << " s late";
        desktop.run(0.3);
    }
    EXPECT_LE(desktop.mostInASecond(beforeHiccups), 61);
    // Stalls of a turn and a half and of 20 s, a suspended machine's: the
    // beat starts afresh from the pass after each, and no second holds more
    // than 61 passes; the pacer, deep in debt, never sleeps it back.
    for (const double stall : {0.025, 20.0}) {
        const std::size_t before = desktop.starts.size();
        Desktop::now += stall;
        EXPECT_NEAR(desktop.run(5.0), 300, 1) << stall << " s";
        EXPECT_LE(desktop.mostInASecond(before), 61) << stall << " s";
        const auto [fewest, most] = desktop.refreshesApart(before + 1);
        EXPECT_EQ(fewest, 2) << stall << " s";
        EXPECT_EQ(most, 3) << stall << " s";
    }
}

}  // namespace
