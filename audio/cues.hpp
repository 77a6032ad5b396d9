#pragma once

#include <cstdint>

#include "audio/sounds.hpp"

class Character;
struct PlayerMotion;

// What the sounds are read from: the player as one tick leaves it.
struct PlayerSnapshot {
    bool onGround = false;
    std::int16_t velocityY = 0;
    bool walking = false;  // showing the walk cycle rather than the air frames
    std::uint8_t frame = 0;
    std::int32_t y = 0;  // whole world pixels, down positive
};

PlayerSnapshot snapshotPlayer(const Character& player, const PlayerMotion& motion);

// What the reading remembers from pass to pass.
struct CueMemory {
    bool landedBefore = false;
    std::int32_t fallTop = 0;  // highest point since the feet left the ground
};

struct SoundCues {
    SoundId ids[3]{};
    std::uint8_t count = 0;
};

// The sounds one tick makes, from the player before and after it: a jump as
// it takes off, a bump as the head meets a ceiling, a landing (by how far it
// fell) as it comes down, a step as the walk cycle shows a stride.
SoundCues cueSounds(const PlayerSnapshot& before, const PlayerSnapshot& after, CueMemory& memory);
