#pragma once

#include <cstdint>

// Keys a test holds down for the player, drawn from a xorshift generator
// written out here rather than a <random> distribution, whose numbers differ
// between standard libraries: every build of a test, native, web or Windows,
// plays the same keys.
struct ScriptedKeys {
    bool left = false;
    bool right = false;
    bool jump = false;
};

struct KeyScript {
    std::uint32_t state = 0x9E3779B9U;  // never 0, or the generator sticks there
    ScriptedKeys held;
};

inline std::uint32_t nextRandom(KeyScript& script) {
    std::uint32_t x = script.state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    script.state = x;
    return x;
}

// One tick's keys: about one tick in sixteen lets go of them all and takes a
// fresh choice, each of the three keys down or up alike.
inline const ScriptedKeys& nextKeys(KeyScript& script) {
    const std::uint32_t r = nextRandom(script);
    if ((r & 15U) == 0) {
        script.held = ScriptedKeys{(r & 0x100U) != 0, (r & 0x200U) != 0, (r & 0x400U) != 0};
    }
    return script.held;
}
