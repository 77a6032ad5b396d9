#pragma once

#include <cstdint>

// One rectangle of a sprite sheet, in texels, shown for `duration` ticks.
struct AnimFrame {
    std::uint8_t u = 0;
    std::uint8_t v = 0;
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::uint8_t duration = 0;
};

// A sequence of frames; it neither copies nor frees them.
struct Animation {
    AnimFrame** frames = nullptr;
    std::uint8_t frameCount = 0;
    std::uint8_t current = 0;  // index of the frame shown
    std::uint8_t ticks = 0;    // ticks counted on the current frame
};

// One tick: moves to the next frame (wrapping) once the current one has run out.
void advance(Animation& animation);

inline const AnimFrame& currentFrame(const Animation& animation) {
    return *animation.frames[animation.current];
}
