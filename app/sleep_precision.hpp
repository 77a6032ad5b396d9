#pragma once

// How finely the pacer's sleeps are timed. Linux sleeps to the millisecond by
// itself; Windows rounds every sleep up to its timer tick (15.6 ms unless a
// program asks for 1 ms), which would turn the pacer's 32 ms sleeps into 47.
// Each platform has its own file: app/sleep_precision_windows.cpp, and
// app/sleep_precision_posix.cpp for Linux and the page.

// Asks for 1 ms sleeps while the game runs.
void beginFineSleeps();

// Gives the request back, once the run is over.
void endFineSleeps();
