#include "app/frame_pacer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// A pretend clock the fake sleeper moves forward, in whole milliseconds as
// the real sleeper rounds.
double fakeNow = 0.0;
std::vector<double> sleeps;

void fakeSleep(double seconds) {
    sleeps.push_back(seconds);
    fakeNow += std::max(1.0, std::round(seconds * 1000.0)) / 1000.0;
}

struct PacedLoop : ::testing::Test {
    FramePacer pacer;
    void SetUp() override {
        fakeNow = 0.0;
        sleeps.clear();
    }
    // One pass whose own work takes `workSeconds`; true when it slept.
    bool pass(double workSeconds) {
        fakeNow += workSeconds;
        measurePass(pacer, fakeNow);
        const std::size_t before = sleeps.size();
        pacePass(pacer, fakeSleep);
        return sleeps.size() != before;
    }
};

TEST_F(PacedLoop, MeasuresAPassInMillisecondsAfterADayOfPlayAsAtTheStart) {
    // The clock's reading grows all day; only the interval is narrowed to a
    // float, so a pass still measures to a hundredth of a millisecond.
    for (const double start : {0.0, 86400.0}) {
        pacer.lastTime = start;
        measurePass(pacer, start + 1.0 / 60.0);
        EXPECT_NEAR(pacer.frameMs, 16.6667F, 0.01F) << start;
        EXPECT_EQ(pacer.lastTime, start + 1.0 / 60.0);
    }
}

TEST_F(PacedLoop, TargetLengthPassLeavesAccumulatorAlone) {
    // 16.66667 has no exact float; what is left is below a nanosecond.
    pacer.sleepAccumulator = 0.0125;
    pacer.frameMs = static_cast<float>(targetPassMs);
    pacePass(pacer, fakeSleep);
    EXPECT_NEAR(pacer.sleepAccumulator, 0.0125, 1e-8);
    EXPECT_TRUE(sleeps.empty());
}

TEST_F(PacedLoop, SleepsOnlyStrictlyAboveThirtyMilliseconds) {
    pacer.frameMs = 16.0F;
    const double step = (targetPassMs - 16.0) / errorDivisor;
    // Find a start that lands on exactly 0.03 after the step.
    double start = sleepThreshold - step;
    while (step + start != sleepThreshold) {
        start = std::nextafter(start, 1.0);
    }
    pacer.sleepAccumulator = start;
    pacePass(pacer, fakeSleep);
    EXPECT_EQ(pacer.sleepAccumulator, sleepThreshold);
    EXPECT_TRUE(sleeps.empty());

    pacer.sleepAccumulator = std::nextafter(start, 1.0);
    pacePass(pacer, fakeSleep);
    ASSERT_EQ(sleeps.size(), 1U);
    // The whole accumulated amount, which the sleep does not consume.
    EXPECT_EQ(sleeps[0], pacer.sleepAccumulator);
    EXPECT_GT(pacer.sleepAccumulator, sleepThreshold);
}

TEST_F(PacedLoop, QuickPassesSleepEverySecondPass) {
    // The first 1 ms pass gives (16.66667 - 1) / 500 = 0.03133334 s and sleeps it.
    ASSERT_TRUE(pass(0.001));
    EXPECT_NEAR(sleeps[0], 0.03133334, 1e-6);
    for (int i = 0; i < 40; ++i) {
        EXPECT_FALSE(pass(0.001)) << "pass " << 2 * i + 2;
        EXPECT_TRUE(pass(0.001)) << "pass " << 2 * i + 3;
    }
    EXPECT_NEAR(pacer.sleepAccumulator, 0.031, 0.002);
}

TEST_F(PacedLoop, LongStallHoldsOffSleepingUntilPaidBack) {
    ASSERT_FALSE(pass(2.0));
    EXPECT_NEAR(pacer.sleepAccumulator, (targetPassMs - 2000.0) / 500.0, 1e-6);
    int quietPasses = 0;
    while (!pass(0.001)) {
        ++quietPasses;
        ASSERT_LT(quietPasses, 1000);
    }
    EXPECT_EQ(quietPasses, 127);
}

TEST_F(PacedLoop, NeverResetsOrClampsTheAccumulator) {
    pacer.sleepAccumulator = -100.0;
    pacer.frameMs = 5000.0F;
    pacePass(pacer, fakeSleep);
    EXPECT_NEAR(pacer.sleepAccumulator, -100.0 + (targetPassMs - 5000.0) / 500.0, 1e-9);
    EXPECT_TRUE(sleeps.empty());
}

}  // namespace
