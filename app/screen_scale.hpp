#pragma once

#include "app/window_size.hpp"

struct GLFWwindow;
struct GLFWmonitor;

// The screen's side of the window's size. A desktop window follows the
// content scale of the monitor it is on (the system's display scaling; on X,
// Xft.dpi), so that a scaled laptop screen shows it as large as an unscaled
// one shows 512 x 384. A page sizes its canvas itself (web/page.js): there
// the window opens at 512 x 384 and nothing follows.

// The size to open the window at, in its own units: the one for the primary
// monitor, where a new window opens.
WindowSize openingWindowSize();

// Sizes the window for the monitor it is on, its frame inside the monitor's
// work area, if it is not so already and its scale is known already (on
// Wayland the desktop tells it after the first frame); then again after the
// events of each pass in which its content scale changed (the desktop's
// first word on Wayland, a move to a monitor of another scale), unless it
// fills its monitor. Any other size the player gives it is left alone.
void followScreenScale(GLFWwindow* window);

// After a pass's events: the window sized again if its content scale
// changed during them. Inside GLFW's own callback the framebuffer
// still has the old scale's size, and the desktop's answers to the first
// frame are not all in.
void resizeIfScaleChanged(GLFWwindow* window);

// The monitor the window is on: the one under its centre, or the primary
// one when it is off every screen. Where the desktop does not say where
// windows are (Wayland), the first whose scale is nearest the window's own.
// None where the platform has no monitors to choose from.
GLFWmonitor* monitorOf(GLFWwindow* window);

// Whether a framebuffer of this many pixels covers the window's monitor
// exactly: the monitor's whole size, at its corner where positions are known.
bool coversItsMonitor(GLFWwindow* window, int width, int height);
