#pragma once

#include <cstdint>
#include <vector>

// The voices the sound callback plays at once. A fixed pool: a new sound
// when all are busy takes the one that started longest ago. Nothing here
// allocates.
struct MixerVoice {
    const std::vector<float>* samples = nullptr;  // null when free
    std::uint32_t position = 0;
    std::uint32_t startOrder = 0;
};

constexpr int mixerVoiceCount = 8;

struct Mixer {
    MixerVoice voices[mixerVoiceCount];
    std::uint32_t started = 0;
    float gain = 1.0F;  // eased toward 0 on mute and back, so nothing clicks
    float gainTarget = 1.0F;
};

// Starts `samples` (which must outlive its playing) on a free voice or the
// oldest one; it is heard from the first frame of the next mix.
void startVoice(Mixer& mixer, const std::vector<float>* samples);

// Adds every playing voice into `out` (frames of `channels` samples each,
// filled with silence first), freeing the voices that end; clamps to full
// scale.
void mix(Mixer& mixer, float* out, std::uint32_t frames, std::uint32_t channels);
