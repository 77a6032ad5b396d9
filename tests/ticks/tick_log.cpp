// Plays the real level for a long scripted input and prints the player's
// whole state after every tick, one line each. Every build of the game (the
// desktop, the page's wasm under node, torvik.exe under Wine) must print the
// same bytes: the game's ticks are integer-only and read nothing but the keys.
//
//   tick_log [TICKS]   (30000 when not given)
//
// The keys come through the same poll the game reads its window through.

#include <GLFW/glfw3.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/input.hpp"
#include "characters/character.hpp"
#include "tests/key_script.hpp"
#include "world/game_run.hpp"
#include "world/world.hpp"

namespace {

ScriptedKeys keysDown;

int scriptedKey(int code) {
    switch (code) {
        case GLFW_KEY_LEFT:
            return keysDown.left ? GLFW_PRESS : GLFW_RELEASE;
        case GLFW_KEY_RIGHT:
            return keysDown.right ? GLFW_PRESS : GLFW_RELEASE;
        case GLFW_KEY_X:
            return keysDown.jump ? GLFW_PRESS : GLFW_RELEASE;
        default:
            return GLFW_RELEASE;
    }
}
int noButton(int /*button*/) { return GLFW_RELEASE; }
void noCursor(double* x, double* y) { *x = *y = 0.0; }
PadState noPad() { return PadState{}; }

constexpr InputDevice scriptedDevice{scriptedKey, noButton, noCursor, noPad};

}  // namespace

int main(int argc, char** argv) {
    const long ticks = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 30000;
    const GameRun run;
    Player& player = *run.player;
    const PlayerMotion& motion = playerMotion();
    KeyScript script;
    std::printf("tick keys x y vx vy ground moving facing animation frame frame-ticks cell\n");
    for (long tick = 1; tick <= ticks; ++tick) {
        keysDown = nextKeys(script);
        pollInput(scriptedDevice);
        player.update();
        const Animation* animation = player.animation;
        const char* shown = animation == motion.walkAnimation  ? "walk"
                            : animation == motion.airAnimation ? "air"
                                                               : "other";
        std::printf("%ld %c%c%c %lu %lu %d %d %d %d %d %s %d %d", tick, keysDown.left ? 'L' : '-',
                    keysDown.right ? 'R' : '-', keysDown.jump ? 'X' : '-',
                    static_cast<unsigned long>(player.x), static_cast<unsigned long>(player.y),
                    motion.velocityX, motion.velocityY, motion.onGround, motion.moving,
                    player.facing, shown, animation != nullptr ? animation->current : -1,
                    animation != nullptr ? animation->ticks : -1);
        // The grid never files the player; its cell is where it stands.
        std::printf(" %d,%d\n", static_cast<int>((player.x >> 8) / cellPixels),
                    static_cast<int>((player.y >> 8) / cellPixels));
    }
    return 0;
}
