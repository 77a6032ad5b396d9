#pragma once

// The beat of the passes, on the desktop and in a page alike: each pass
// waits for its turn, one pass length after the last one's. The pacer holds
// the passes' average at 60 a second but not their beat: on a display faster
// than 60 Hz, or wherever swaps do not wait for the display, passes would
// run back to back until it had gathered its lead, then stand still for its
// sleep, the creature moving in bursts at the right pace. With turns they
// come one pass length apart: every refresh at 60 Hz, every second one at
// 120 Hz, two or three apart at 144 Hz. The pacer's sleeps come on top,
// unchanged. A pass too late (a stall: a suspended machine, a stopped
// process, a window dragged) starts the beat afresh from itself, as a
// display's swap after a late frame waits for the next refresh: turns missed
// are never made up in a rush.
struct PassTurns {
    double nextTurn = 0.0;  // clock reading of the next pass's turn, seconds
    bool started = false;   // the first pass has set the beat
    // How many turns late a pass may come and still keep the beat, the next
    // pass coming on its turn to make the lateness good. A page's passes up
    // to a whole turn: its animation frames come only so often (at 75 Hz,
    // 13.3 ms apart), and a frame's lateness is made good at the next. The
    // desktop's under half a turn: its lateness is only the machine's
    // hiccups, and so no second ever holds more than 61 passes.
    double lateTurns = 1.0;
};

// How early a pass may come and still take its turn: a 60 Hz display's
// refreshes, and a page's frame times, waver by a little, and such a display
// may run a hair fast; without this a pass would now and then miss its
// refresh and wait for the next.
inline constexpr double earlyTurnSeconds = 0.002;

// Seconds until the next turn at the clock reading `now`; 0 once it has come.
double secondsToTurn(const PassTurns& turns, double now);

// The pass starting at `now` takes its turn and sets the next one.
void takeTurn(PassTurns& turns, double now);

inline constexpr double desktopLateTurns = 0.5;

// The desktop's wait before a pass, on a clock and with a sleep of its own:
// sleeps until the pass's turn, then takes it.
void waitForTurn(PassTurns& turns, double (*clock)(), void (*sleep)(double seconds));

// Whether the swaps should wait for a display that refreshes this many times
// a second (0 when the system does not say). One slower than 60 Hz (a 50 Hz
// television, some HDMI modes of a Raspberry Pi) would hold the game to its
// own rate, a sixth slow at 50 Hz; there the swaps do not wait and the turns
// keep the beat, at the cost of a pass in six never shown (or, under X
// without a compositor, a tear).
bool swapsWaitForDisplay(int refreshHz);
