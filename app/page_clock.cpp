#include "app/page_clock.hpp"

#include <algorithm>
#include <cmath>

void beginWait(FrameWait& wait, double now, double seconds) {
    if (!(seconds > 0.0)) {
        return;
    }
    const double ms = std::max(1.0, std::round(seconds * 1000.0));
    wait.until = now + ms / 1000.0;
}

namespace {

bool passDue(const FrameWait& wait, double now) { return now >= wait.until; }

}  // namespace

void holdPage(PageClock& clock, PageHold why, double browserSeconds) {
    if (clock.holds == 0) {
        clock.heldSince = browserSeconds;
    }
    clock.holds |= static_cast<std::uint8_t>(why);
}

void releasePage(PageClock& clock, PageHold why, double browserSeconds) {
    const auto bit = static_cast<std::uint8_t>(why);
    if ((clock.holds & bit) == 0) {
        return;
    }
    clock.holds &= static_cast<std::uint8_t>(~bit);
    if (clock.holds == 0) {
        clock.heldTotal += std::max(0.0, browserSeconds - clock.heldSince);
    }
}

double pageSeconds(const PageClock& clock, double browserSeconds) {
    const double upTo =
        clock.holds != 0 ? std::min(browserSeconds, clock.heldSince) : browserSeconds;
    return upTo - clock.heldTotal;
}

bool frameRunsPass(PageFrames& frames, double frameSeconds, double nowSeconds) {
    if (frames.clock.holds != 0) {
        return false;
    }
    const double frameTime = pageSeconds(frames.clock, frameSeconds);
    if (!passDue(frames.wait, pageSeconds(frames.clock, nowSeconds)) ||
        secondsToTurn(frames.turns, frameTime) > 0.0) {
        return false;
    }
    takeTurn(frames.turns, frameTime);
    return true;
}
