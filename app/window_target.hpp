#pragma once

// What the game's window does for itself on each platform. A page owns its
// own fullscreen (its button and F key, web/page.js): the browser lets no
// window switch it from a key, and its F11 is the browser's.
struct WindowTarget {
    bool switchesFullscreen;
};

#ifdef __EMSCRIPTEN__
inline constexpr WindowTarget windowTarget{false};
#else
inline constexpr WindowTarget windowTarget{true};
#endif
