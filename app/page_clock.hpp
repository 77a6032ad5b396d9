#pragma once

// The browser's side of pacing, kept as plain arithmetic so it is tested
// without a browser.

// A page cannot sleep: the pacer's sleep becomes a wait, and animation frames
// that arrive before it is over pass without a pass.
struct FrameWait {
    double until = 0.0;  // clock reading at which the next pass is due, seconds
};

// Starts a wait of the duration rounded to whole milliseconds, at least 1 ms
// for any positive duration, as the desktop's sleep rounds it.
void beginWait(FrameWait& wait, double now, double seconds);

// Whether an animation frame at `now` runs a pass.
bool passDue(const FrameWait& wait, double now);

// The clock the pacer reads in a page: the browser's, stopped while the page
// is hidden or frozen. A hidden tab gets no animation frames, and all that
// time would otherwise reach the pacer as one enormous pass, which it would
// then pay back by running the game too fast for minutes.
struct PageClock {
    double hiddenTotal = 0.0;  // seconds the page has spent hidden so far
    double hiddenSince = 0.0;  // browser reading when the current spell began
    bool hidden = false;
};

void hidePage(PageClock& clock, double browserSeconds);
void showPage(PageClock& clock, double browserSeconds);

// The page's own time: the browser's reading less every hidden spell.
double pageSeconds(const PageClock& clock, double browserSeconds);
