#pragma once

#include <cstdint>

#include "app/pass_turns.hpp"

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

// Why a page holds its run: hidden (or frozen), or its WebGL context lost.
// While anything holds it no pass runs, and the page's clock stands still.
enum class PageHold : std::uint8_t { hidden = 1, contextLost = 2 };

// The clock the pacer reads in a page: the browser's, stopped while the page
// is held. A hidden tab gets no animation frames, and all that time would
// otherwise reach the pacer as one enormous pass, which it would then pay
// back by running the game too fast for minutes; a page whose context is
// lost gets its frames, but has nothing to draw with.
struct PageClock {
    double heldTotal = 0.0;  // seconds the page has spent held so far
    double heldSince = 0.0;  // browser reading when the current spell began
    std::uint8_t holds = 0;  // the PageHold bits that hold it now
};

// Each reason counts once however often the page hears of it.
void holdPage(PageClock& clock, PageHold why, double browserSeconds);
void releasePage(PageClock& clock, PageHold why, double browserSeconds);

// The page's own time: the browser's reading less every held spell.
double pageSeconds(const PageClock& clock, double browserSeconds);

// All the page keeps to decide which of its animation frames run a pass.
struct PageFrames {
    PageClock clock;
    FrameWait wait;
    PassTurns turns;  // a pass runs on the first frame at or after its turn
};

// Whether the animation frame that began at the browser's `frameSeconds`,
// its script running at the browser's `nowSeconds` (a little later, by how
// busy the page is), runs a pass: not while the page is held; the pacer's
// wait, begun on the clock, over by the clock; the pass's turn come by the
// frame's own time. A frame that runs a pass takes its turn.
bool frameRunsPass(PageFrames& frames, double frameSeconds, double nowSeconds);
