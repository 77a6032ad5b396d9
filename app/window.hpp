#pragma once

#include "app/input.hpp"

// The game's one window and GLFW behind it. If no window can be
// opened, every call here quietly does nothing and reports "closed", so the
// game still starts up, runs one pass and ends.

// Prints GLFW's version, opens the window titled "Torvik" (512 x 384 on
// an unscaled screen, whole steps of the view larger on a scaled one), hooks
// up the resize handler, the fullscreen keys and the screen's scale, and takes
// the first clock reading.
void initWindow();

// True while the window exists and no close was requested.
bool windowOpen();

// Handles pending window events (key state, resizes, close requests, a new
// content scale), switches between the window and fullscreen when F11 or
// Alt+Enter asked for it, then shows the frame unless a close was just
// requested.
void handleEventsAndSwap();

// Seconds on GLFW's clock; 0 without GLFW.
double clockSeconds();

// Sleeps for the duration rounded to whole milliseconds, at least 1 ms for any
// positive duration; does nothing without GLFW.
void sleepSeconds(double seconds);

// Keys, mouse button and cursor of the game window.
const InputDevice& windowInput();

// Closes the window and shuts GLFW down, once the run is over.
void closeWindow();
