// The page: the toolchain's GLFW draws into the page's canvas, which the page
// sizes and makes fullscreen itself.

#include "app/window_system.hpp"

#include <emscripten/emscripten.h>

namespace {

// The page's own switches (web/page.js), once it has made them.
EM_JS(void, pageFullscreen, (), {
    if (Module['switchFullscreen']) {
        Module['switchFullscreen']();
    }
});

EM_JS(void, pageShowsSound, (), {
    if (Module['showSound']) {
        Module['showSound']();
    }
});

}  // namespace

void prepareWindowSystem() {}

// The page's manifest names the game.
void nameWindowForDesktop() {}

bool windowSwitchesFullscreen() { return false; }

void askPageForFullscreen() { pageFullscreen(); }

void showSoundSwitched() { pageShowsSound(); }

bool windowPositionsKnown() { return false; }

bool windowUnitsArePixels() { return true; }
