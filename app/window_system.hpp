#pragma once

// What differs between the window systems GLFW reaches,
// as the game asks for it. Each build takes one implementation: the desktop's
// GLFW 3.3 (X11, and Windows), its GLFW 3.4 (Wayland where a session offers
// it, else X11, chosen as GLFW starts) and the page's.

// Before GLFW starts: which of its window systems to use, and how.
void prepareWindowSystem();

// Before the window opens: the name the desktop knows the game by, the one
// its menu entry and icon are filed under.
void nameWindowForDesktop();

// Whether F11 and Alt+Enter switch between the window and fullscreen. A
// page's fullscreen is the page's own (its button and F key, web/page.js):
// the browser lets no window switch it from a key, and its F11 is the
// browser's.
bool windowSwitchesFullscreen();

// Where the window does not (a page), the pad's fullscreen button asks the
// page, as its F key does, and its sound button has the page show the sound
// switched; elsewhere they do nothing.
void askPageForFullscreen();
void showSoundSwitched();

// Whether the desktop tells the program where its window is. Wayland's does
// not, and places windows itself.
bool windowPositionsKnown();

// Whether a new window is sized in pixels. On Wayland it is sized in the
// desktop's units, as many pixels each as the scale.
bool windowUnitsArePixels();
