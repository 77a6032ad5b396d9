#pragma once

#include <cstdint>

#include "characters/animation.hpp"

// Anything that lives on the map. Positions are 8.8 fixed point in world
// pixels (x to the right, y downward); the whole pixel is the value >> 8.
class Character {
public:
    Character() = default;
    Character(const Character&) = delete;
    Character& operator=(const Character&) = delete;
    virtual ~Character();

    // One game tick.
    virtual void update() = 0;

    std::uint32_t texture = 0;       // sprite sheet
    Animation* animation = nullptr;  // not owned; its frame gives the box
    std::uint8_t facing = 1;         // 1 right, 0 left (drawn mirrored)
    std::uint32_t x = 0x1400;        // centre, 20 px
    std::uint32_t y = 0x7200;        // centre, 114 px
    Character* cellNext = nullptr;   // cell list links
    Character* cellPrev = nullptr;
};

// The horned creature the player steers.
class Player : public Character {
public:
    // Decodes the sprite sheet and sets up the walk and air animations.
    Player();
    void update() override;

    // Where the player began, and a float to spare: nothing reads them, but
    // they keep the Player's fields as they were laid down.
    std::int32_t startX = 20;
    std::int32_t startY = 114;
    float spare = 0.0F;
};

// The fall speed one tick of gravity adds to the player's velocityY.
inline constexpr std::int32_t gravity = 50;

// The player's motion, kept once per process rather than in the Player.
struct PlayerMotion {
    std::int16_t velocityX = 0;  // 1/512 px per tick; -800..800
    std::int16_t velocityY = 0;  // positive is down; -1600..1200
    std::uint8_t onGround = 0;
    std::uint8_t moving = 0;
    Animation* walkAnimation = nullptr;
    Animation* airAnimation = nullptr;
};

PlayerMotion& playerMotion();
