#include "characters/animation.hpp"

void advance(Animation& animation) {
    ++animation.ticks;
    if (animation.ticks < currentFrame(animation).duration) {
        return;
    }
    ++animation.current;
    animation.ticks = 0;
    if (animation.current >= animation.frameCount) {
        animation.current = 0;
    }
}
