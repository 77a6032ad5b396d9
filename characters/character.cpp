#include "characters/character.hpp"

#include "app/input.hpp"
#include "assets/images.hpp"
#include "render/texture.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

// The player's two animations live for the whole run; every new Player sets
// them up afresh in this one place, so nothing is ever allocated for them.
struct PlayerAnimations {
    AnimFrame walkFrames[4];
    AnimFrame* walkFramePointers[4];
    Animation walk;
    AnimFrame airFrames[3];
    AnimFrame* airFramePointers[3];
    Animation air;
};

PlayerAnimations& playerAnimations() {
    static PlayerAnimations animations{};
    return animations;
}

// All seven frames are 16 x 27 texels along the top of the sheet, 16 apart,
// each shown for 13 ticks.
constexpr AnimFrame spriteFrame(std::uint8_t u) { return AnimFrame{u, 0, 16, 27, 13}; }

constexpr std::int32_t acceleration = 200;
constexpr std::int32_t speedLimit = 800;
constexpr std::int32_t terminalVelocity = 1200;
constexpr std::int32_t jumpVelocity = -1600;
constexpr std::int32_t airFriction = -15;
constexpr std::int32_t groundFriction = -10;
constexpr std::int32_t deadZone = 50;
constexpr std::int32_t pushUp = 256;

// Whether the tile under pixel (x, y) stops the player. Anything beyond the
// map's edges is a wall, on the left and top as on the right and bottom; a
// world without a level is all wall.
bool blocks(const Level* level, std::int32_t x, std::int32_t y) {
    if (level == nullptr || x < 0 || y < 0) {
        return true;
    }
    const std::int32_t column = x / tileSize;
    const std::int32_t row = y / tileSize;
    if (column > 0xFFFF || row > 0xFFFF) {
        return true;
    }
    return isSolid(*level, static_cast<std::uint16_t>(column), static_cast<std::uint16_t>(row));
}

}  // namespace

Character::~Character() {
    removeFromCell(World::instance(), *this, static_cast<std::int32_t>(x >> 8),
                   static_cast<std::int32_t>(y >> 8));
}

Player::Player() {
    decodeTexture(texture, playerSpriteSheet);

    PlayerAnimations& a = playerAnimations();
    for (std::uint8_t i = 0; i < 4; ++i) {
        a.walkFrames[i] = spriteFrame(static_cast<std::uint8_t>(16 * i));
        a.walkFramePointers[i] = &a.walkFrames[i];
    }
    a.walk = Animation{a.walkFramePointers, 4, 0, 0};
    for (std::uint8_t i = 0; i < 3; ++i) {
        a.airFrames[i] = spriteFrame(static_cast<std::uint8_t>(64 + 16 * i));
        a.airFramePointers[i] = &a.airFrames[i];
    }
    a.air = Animation{a.airFramePointers, 3, 0, 0};

    PlayerMotion& motion = playerMotion();
    motion.walkAnimation = &a.walk;
    motion.airAnimation = &a.air;
    animation = motion.walkAnimation;
}

void Player::update() {
    PlayerMotion& motion = playerMotion();
    if (animation == nullptr || motion.walkAnimation == nullptr || motion.airAnimation == nullptr) {
        return;  // not set up as a Player: nothing to move or show
    }
    const InputState& input = inputState();
    World& world = World::instance();
    const Level* level = world.level;

    std::int32_t newX = static_cast<std::int32_t>(x);
    std::int32_t newY = static_cast<std::int32_t>(y);
    const AnimFrame& box = currentFrame(*animation);
    const std::int32_t hw = box.width >> 1;
    const std::int32_t hh = box.height >> 1;
    // Every probe looks from where the player stood when the tick began.
    const auto px = static_cast<std::int32_t>(x >> 8);
    const auto py = static_cast<std::int32_t>(y >> 8);

    // Animation, on the flags the previous tick left.
    if (motion.moving != 0 && motion.onGround != 0) {
        advance(*animation);
    } else if (motion.onGround == 0) {
        if (animation->current == 0) {
            advance(*animation);
        } else if (motion.velocityY >= 0) {
            animation->current = 2;
        }
    }

    std::int32_t velocityY = motion.velocityY;
    if (input.secondInput.keyX != 0 && motion.onGround != 0) {
        animation = motion.airAnimation;
        velocityY = jumpVelocity;
        motion.onGround = 0;
        motion.airAnimation->current = 0;
    }

    std::int32_t speed = motion.velocityX;
    if (input.firstInput.left != 0) {
        speed -= acceleration;
        facing = 0;
        if (speed <= -speedLimit) {
            speed = -speedLimit;
        }
        motion.moving = 1;
    }
    if (input.firstInput.right != 0) {
        speed += acceleration;
        facing = 1;
        if (speed >= speedLimit) {
            speed = speedLimit;
        }
        motion.moving = 1;
    }

    velocityY += gravity;
    if (velocityY >= terminalVelocity) {
        velocityY = terminalVelocity;
    }

    std::int32_t velocityX = speed + speed / airFriction;
    if (velocityX >= -deadZone && velocityX <= deadZone) {
        velocityX = 0;
        motion.moving = 0;
        animation->current = 1;
    }

    if (velocityY < 0) {
        const std::int32_t top = py - hh;
        if (blocks(level, px - hw + 2, top) || blocks(level, px + hw - 2, top)) {
            velocityY = 0;
        } else {
            newY += velocityY / 2;
        }
    } else {
        const std::int32_t below = py + hh;
        if (blocks(level, px - hw + 2, below) || blocks(level, px + hw - 2, below)) {
            velocityX += velocityX / groundFriction;
            motion.onGround = 1;
            animation = motion.walkAnimation;
            velocityY = 0;
        } else {
            newY += velocityY / 2;
            animation = motion.airAnimation;
            motion.onGround = 0;
            motion.airAnimation->current = 2;
        }
    }

    // Right looks at the column just past the sprite, left at its own leftmost
    // column; both 2 px below the top and 1 px above the bottom.
    const std::int32_t side = velocityX > 0 ? px + hw : px - hw;
    if (blocks(level, side, py + hh - 2) || blocks(level, side, py - hh + 2)) {
        velocityX = 0;
    } else {
        newX += velocityX / 2;
    }

    // A bottom row sunk into the floor rises a pixel a tick.
    if (blocks(level, px, py + hh - 1)) {
        newY -= pushUp;
    }

    motion.velocityX = static_cast<std::int16_t>(velocityX);
    motion.velocityY = static_cast<std::int16_t>(velocityY);
    moveToCell(world, *this, newX >> 8, newY >> 8);
    x = static_cast<std::uint32_t>(newX);
    y = static_cast<std::uint32_t>(newY);
}

PlayerMotion& playerMotion() {
    static PlayerMotion motion;
    return motion;
}
