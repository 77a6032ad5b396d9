#pragma once

// Where a pass reads its clock and how it gives back the time it is ahead:
// GLFW's clock and a real sleep on the desktop, the page's clock and a
// wait over animation frames in the browser.
struct PassTiming {
    double (*clock)();
    void (*sleep)(double seconds);
};

// One pass of the main loop, one tick of the game: the key poll, the clock
// reading, clear, draw, the player's update, events and swap, then pacing.
void runPass(const PassTiming& timing);

// Runs passes until the window is closed. On the desktop it returns then; in
// a browser the page's animation frames go on driving the passes after the
// entry routine has given control back to the page.
void runMainLoop();
