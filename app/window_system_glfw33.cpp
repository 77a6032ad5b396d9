// The desktop's GLFW 3.3: X11 on Linux, and Windows. Windows are sized and
// placed in pixels.

#include <GLFW/glfw3.h>

#include "app/window_system.hpp"

void prepareWindowSystem() {}

// X desktops file a window under its class: GNOME and KDE look for a menu
// entry of that name, or one that names the class as its StartupWMClass.
// Windows takes its name from the program instead.
void nameWindowForDesktop() {
    glfwWindowHintString(GLFW_X11_CLASS_NAME, TORVIK_APP_ID);
    glfwWindowHintString(GLFW_X11_INSTANCE_NAME, TORVIK_APP_ID);
}

bool windowSwitchesFullscreen() { return true; }

void askPageForFullscreen() {}

void showSoundSwitched() {}

bool windowPositionsKnown() { return true; }

bool windowUnitsArePixels() { return true; }
