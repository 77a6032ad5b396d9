#include "app/frame_pacer.hpp"

FramePacer& framePacer() {
    static FramePacer pacer;
    return pacer;
}

void measurePass(FramePacer& pacer, double now) {
    // Single precision on both sides of the widening multiply, as the pacing
    // figures were tuned with.
    const auto elapsed = static_cast<float>(now - pacer.lastTime);
    pacer.frameMs = static_cast<float>(static_cast<double>(elapsed) * msPerSecond);
    pacer.lastTime = now;
}

void pacePass(FramePacer& pacer, void (*sleep)(double seconds)) {
    pacer.sleepAccumulator =
        (targetPassMs - static_cast<double>(pacer.frameMs)) / errorDivisor + pacer.sleepAccumulator;
    if (pacer.sleepAccumulator > sleepThreshold) {
        // The sleep is not taken off the accumulator: it lengthens the next
        // measured interval, whose negative error pays it back.
        sleep(pacer.sleepAccumulator);
    }
}
