#pragma once

// A gamepad as the game sees it, whoever reads it: GLFW's
// gamepad mapping and the browser's "standard" layout name the same controls.
struct PadState {
    bool connected = false;
    float stickX = 0.0F;  // the left stick across, -1 (left) to 1 (right)
    bool dpadLeft = false;
    bool dpadRight = false;
    bool south = false;  // A on an Xbox pad, Cross on a PlayStation pad
    bool east = false;   // B, Circle
    bool back = false;   // View, Back, Select, Share: the one left of centre
    bool start = false;  // Menu, Start, Options: the one right of centre
};

// How far the stick must lean, out of 1, before it runs: a stick at rest is
// never quite centred, and a worn one drifts.
inline constexpr float padDeadZone = 0.5F;

// What the pad holds down, in the game's terms.
struct PadHeld {
    bool left = false;
    bool right = false;
    bool jump = false;

    bool operator==(const PadHeld&) const = default;
};

// The D-pad or the stick past the dead zone run; south and east jump. A pad
// that is not connected holds nothing.
PadHeld padHeld(const PadState& pad);

// What the two buttons at the pad's centre switch, as F11 and M do: each
// press switches once, however long it is held.
struct PadSwitches {
    bool fullscreen = false;  // back
    bool sound = false;       // start

    bool operator==(const PadSwitches&) const = default;
};

// The switches pressed between two polls of the pad. A pad that comes or
// goes with a button held switches nothing.
PadSwitches padSwitches(const PadState& before, const PadState& now);

// The first connected gamepad, as of now. Each build has its own reader
// (app/pad_source_desktop.cpp, app/pad_source_browser.cpp); both need the
// library to be running.
PadState readPad();
