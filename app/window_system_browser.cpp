// The page: the toolchain's GLFW draws into the page's canvas, which the page
// sizes and makes fullscreen itself.

#include "app/window_system.hpp"

void prepareWindowSystem() {}

// The page's manifest names the game.
void nameWindowForDesktop() {}

bool windowSwitchesFullscreen() { return false; }

bool windowPositionsKnown() { return false; }

bool windowUnitsArePixels() { return true; }
