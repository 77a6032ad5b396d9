#include "app/page_clock.hpp"

#include <algorithm>
#include <cmath>

#include "app/frame_pacer.hpp"

void beginWait(FrameWait& wait, double now, double seconds) {
    if (!(seconds > 0.0)) {
        return;
    }
    const double ms = std::max(1.0, std::round(seconds * 1000.0));
    wait.until = now + ms / 1000.0;
}

bool passDue(const FrameWait& wait, double now) { return now >= wait.until; }

bool turnCome(const FrameGrid& grid, double frameTime) {
    return !grid.started || frameTime >= grid.nextTurn - earlyFrameSeconds;
}

void takeTurn(FrameGrid& grid, double frameTime) {
    // The pacer's own pass length, so that the grid and the pacer never drift
    // apart and the pacer's reckoning stays as it was.
    const double passSeconds = targetPassMs / msPerSecond;
    if (!grid.started || frameTime >= grid.nextTurn + passSeconds) {
        grid.nextTurn = frameTime + passSeconds;
        grid.started = true;
    } else {
        grid.nextTurn += passSeconds;
    }
}

void hidePage(PageClock& clock, double browserSeconds) {
    if (!clock.hidden) {
        clock.hidden = true;
        clock.hiddenSince = browserSeconds;
    }
}

void showPage(PageClock& clock, double browserSeconds) {
    if (clock.hidden) {
        clock.hidden = false;
        clock.hiddenTotal += std::max(0.0, browserSeconds - clock.hiddenSince);
    }
}

double pageSeconds(const PageClock& clock, double browserSeconds) {
    const double upTo = clock.hidden ? std::min(browserSeconds, clock.hiddenSince) : browserSeconds;
    return upTo - clock.hiddenTotal;
}
