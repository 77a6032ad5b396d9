// A page plays through Web Audio with an output of its own (web/sound.js): an
// AudioWorklet on the browser's audio thread, which asks the page's thread
// for the game's mix in messages and plays it. miniaudio is not built for
// the page.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "audio/sound.hpp"

extern "C" {
// web/sound.js: opens the output at the first key or tap that lets a page
// start its sound, and closes it.
void torvik_open_sound(int sampleRate);
void torvik_close_sound();
}

namespace {

// The most frames the output asks for at once.
constexpr std::uint32_t mostFrames = 4096;

std::array<float, mostFrames>& mixed() {
    static std::array<float, mostFrames> samples{};
    return samples;
}

}  // namespace

void startSound() {
    soundBank();  // synthesized now, never while the output waits
    torvik_open_sound(soundRate);
}

void stopSound() { torvik_close_sound(); }

extern "C" {

// Asked by the output for the next `frames` frames of one sample each: where
// they are, in the game's memory, until the next call.
EMSCRIPTEN_KEEPALIVE float* torvik_mix_sound(std::uint32_t frames) {
    std::array<float, mostFrames>& samples = mixed();
    renderSound(samples.data(), std::min(frames, mostFrames), 1);
    return samples.data();
}
}
