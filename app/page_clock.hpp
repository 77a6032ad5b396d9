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

// The turns of a 60 Hz display's swaps, on the page's clock. On the desktop
// the synchronised swap makes every pass last a display refresh; a page's
// animation frames may come faster (90, 120, 144 a second), and passes would
// run on all of them until the pacer had gathered its lead, then stand still
// for its wait: uneven motion at the right pace. So a pass also waits for its
// turn, one pass length after the last, and runs on the first frame at or
// after it: on every frame at 60 Hz, every second one at 120 Hz, one or two
// frames apart at 90 Hz, two or three at 144 Hz. The pacer's waits come on
// top, unchanged.
struct FrameGrid {
    double nextTurn = 0.0;  // page clock reading of the next pass's turn, seconds
    bool started = false;   // the first frame has set the grid
};

// How early a frame may come and still take its turn: the frames' times
// waver by a little, and a 60 Hz display may run a hair fast.
inline constexpr double earlyFrameSeconds = 0.002;

// Whether an animation frame that began at `frameTime` has reached the
// next pass's turn.
bool turnCome(const FrameGrid& grid, double frameTime);

// The frame at `frameTime` runs a pass: the next turn is one pass length on.
// A frame a whole turn or more late (a stalled page, a display a hair slow)
// starts the grid afresh from itself, as a display's swap after a late frame
// waits for the next refresh: turns missed are not made up in a rush.
void takeTurn(FrameGrid& grid, double frameTime);

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
