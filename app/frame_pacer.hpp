#pragma once

// Holds the main loop near 60 passes a second. The game itself never reads the
// clock: one pass is one tick, so the pacing decided here is the game's speed.
struct FramePacer {
    double lastTime = 0.0;          // clock reading of the previous pass, seconds
    float frameMs = 0.0F;           // interval between the last two readings, ms
    double sleepAccumulator = 0.0;  // running integral of the timing error, seconds
};

// The double nearest to 16.66667, deliberately not 1000 / 60.
inline constexpr double targetPassMs = 16.66667;
inline constexpr double errorDivisor = 500.0;
inline constexpr double sleepThreshold = 0.03;
inline constexpr double msPerSecond = 1000.0;

FramePacer& framePacer();

// Takes this pass's clock reading: frameMs from the previous one, then lastTime.
void measurePass(FramePacer& pacer, double now);

// The step after the buffer swap: integrates the error and, once more than
// 30 ms have piled up, sleeps the whole accumulated amount.
void pacePass(FramePacer& pacer, void (*sleep)(double seconds));
