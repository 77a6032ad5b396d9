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

bool passDue(const FrameWait& wait, double now) { return now >= wait.until; }

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
