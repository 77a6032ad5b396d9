#pragma once

#include "app/window_size.hpp"

struct GLFWwindow;
struct GLFWmonitor;

// The screen's side of the window's size. A desktop window follows the
// content scale of the monitor it is on (the system's display scaling; on X,
// Xft.dpi), so that a scaled laptop screen shows it as large as an unscaled
// one shows 512 x 384. A page sizes its canvas itself (web/page.js): there
// the window opens at 512 x 384 and nothing follows.

// The size to open the window at: the one for the primary monitor, where a
// new window opens.
WindowSize openingWindowSize();

// Sizes the window for the monitor it is on, its frame inside the monitor's
// work area, if it is not so already; then again each time its content scale
// changes (a move to a monitor of another scale), unless it is fullscreen.
// Any other size the player gives it is left alone.
void followScreenScale(GLFWwindow* window);

// The monitor holding the screen point (x, y), or the primary one when no
// monitor does; none where the platform has no monitors to choose from.
GLFWmonitor* monitorAt(int x, int y);
