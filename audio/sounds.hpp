#pragma once

#include <cstdint>
#include <vector>

// Every sound the game makes, made by the program itself at start-up.
enum class SoundId : std::uint8_t {
    jump,
    step,
    bump,
    landingSoft,  // a short drop, and the first landing of a run
    landing,
    landingHard,
    landingHeavy,  // a fall from high up
};
constexpr int soundCount = 7;

constexpr int soundRate = 48000;  // samples a second, one channel

// The shape of one voice in a sound: a square, triangle or noise voice whose
// pitch glides from startHz to endHz (for noise, the brightness), rising on a
// short attack and dying away to nothing by the end.
enum class Wave : std::uint8_t { square, triangle, noise };

struct Tone {
    Wave wave = Wave::square;
    float startHz = 440.0F;
    float endHz = 440.0F;
    float level = 1.0F;  // peak of this voice before the sound is scaled
    float attackSeconds = 0.002F;
    float seconds = 0.1F;
    float fade = 1.0F;  // how steeply it dies away: 1 straight, higher quicker
};

struct SoundRecipe {
    Tone tones[2];
    std::uint8_t toneCount = 1;
    float peak = 0.25F;  // of the whole sound, 1 being full scale
};

// The recipe of each sound, in SoundId order.
const SoundRecipe& soundRecipe(SoundId id);

// A recipe rendered into samples: it starts and ends at silence, its loudest
// sample at the recipe's peak.
std::vector<float> synthesize(const SoundRecipe& recipe);

struct SoundBank {
    std::vector<float> samples[soundCount];
};

// All the sounds, synthesized on first use, kept for the whole run.
const SoundBank& soundBank();

inline const std::vector<float>& soundSamples(SoundId id) {
    return soundBank().samples[static_cast<int>(id)];
}
