#pragma once

// The fixed-function GL the game draws with: real OpenGL on the desktop, an
// emulation over WebGL in a browser page. The few calls the emulation needs
// made differently are named here, once, for the drawing to ask.
struct GlTarget {
    // The emulation expects every vertex of one glBegin/glEnd to carry the
    // same attributes: a single colour before the first vertex shifts the rest.
    bool colourEveryVertex;
    // It issues one WebGL draw per glEnd: one quad each is too slow there, so
    // the tiles of a cell go out together.
    bool tilesBatchedPerCell;
    // It knows neither glShadeModel nor the perspective correction hint, and
    // logs an error for each.
    bool fixedFunctionHints;
};

#ifdef __EMSCRIPTEN__
inline constexpr GlTarget glTarget{true, true, false};
#else
inline constexpr GlTarget glTarget{false, false, true};
#endif
