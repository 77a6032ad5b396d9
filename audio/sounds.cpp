#include "audio/sounds.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace {

// Peaks chosen so that every sound at once, each at its loudest sample,
// still stays below full scale: 0.22 + 0.07 + 0.25 + 0.34.
constexpr SoundRecipe recipes[soundCount] = {
    // jump: a bright square chirp upward with a triangle an octave above
    {{{Wave::square, 330.0F, 700.0F, 1.0F, 0.004F, 0.15F, 1.6F},
      {Wave::triangle, 660.0F, 1400.0F, 0.35F, 0.004F, 0.12F, 1.6F}},
     2,
     0.22F},
    // step: a soft scuff of dull noise
    {{{Wave::noise, 1600.0F, 500.0F, 1.0F, 0.0015F, 0.045F, 2.5F}, {}}, 1, 0.07F},
    // bump: a hollow knock dropping in pitch, with a crack of noise
    {{{Wave::triangle, 190.0F, 95.0F, 1.0F, 0.002F, 0.11F, 1.5F},
      {Wave::noise, 3000.0F, 900.0F, 0.6F, 0.001F, 0.04F, 2.0F}},
     2,
     0.25F},
    // landings: a thud of low triangle and noise, lower, longer and louder
    // the further the fall
    {{{Wave::triangle, 140.0F, 70.0F, 1.0F, 0.002F, 0.07F, 2.0F},
      {Wave::noise, 900.0F, 300.0F, 0.7F, 0.001F, 0.05F, 2.0F}},
     2,
     0.10F},
    {{{Wave::triangle, 120.0F, 60.0F, 1.0F, 0.002F, 0.10F, 2.0F},
      {Wave::noise, 800.0F, 250.0F, 0.7F, 0.001F, 0.07F, 2.0F}},
     2,
     0.15F},
    {{{Wave::triangle, 100.0F, 50.0F, 1.0F, 0.002F, 0.14F, 1.8F},
      {Wave::noise, 700.0F, 200.0F, 0.8F, 0.001F, 0.09F, 2.0F}},
     2,
     0.24F},
    {{{Wave::triangle, 80.0F, 40.0F, 1.0F, 0.002F, 0.20F, 1.6F},
      {Wave::noise, 600.0F, 150.0F, 0.9F, 0.001F, 0.12F, 1.8F}},
     2,
     0.34F},
};

// The envelope at time t: a straight rise over the attack, then a fall to
// exactly zero at the end, so a voice never starts or stops on a click.
float envelope(const Tone& tone, float t) {
    if (t < tone.attackSeconds) {
        return t / tone.attackSeconds;
    }
    const float rest = (t - tone.attackSeconds) / (tone.seconds - tone.attackSeconds);
    return std::pow(std::max(0.0F, 1.0F - rest), tone.fade);
}

// The loudest sample, either way from zero.
float peakOf(const std::vector<float>& samples) {
    float loudest = 0.0F;
    for (float v : samples) {
        loudest = std::max(loudest, std::fabs(v));
    }
    return loudest;
}

// One voice rendered into `out`, added to what is there, its peak at its level.
void addTone(const Tone& tone, std::vector<float>& out) {
    const auto length = static_cast<std::size_t>(tone.seconds * soundRate);
    std::vector<float> voice(length, 0.0F);
    double phase = 0.0;
    float lowPassed = 0.0F;
    std::uint32_t noise = 0x2545F491U;
    for (std::size_t i = 0; i < length; ++i) {
        const float t = static_cast<float>(i) / soundRate;
        const float hz = tone.startHz * std::pow(tone.endHz / tone.startHz, t / tone.seconds);
        float value = 0.0F;
        switch (tone.wave) {
            case Wave::square:
                value = phase < 0.25 ? 1.0F : -1.0F;  // a thin, bright duty cycle
                break;
            case Wave::triangle:
                value = static_cast<float>(phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase);
                break;
            case Wave::noise: {
                noise = noise * 1664525U + 1013904223U;
                const float white = static_cast<float>(noise >> 8) / 8388608.0F - 1.0F;
                const float pull =
                    1.0F - std::exp(-2.0F * std::numbers::pi_v<float> * hz / soundRate);
                lowPassed += pull * (white - lowPassed);
                value = lowPassed;
                break;
            }
        }
        phase += static_cast<double>(hz) / soundRate;
        phase -= std::floor(phase);
        voice[i] = value * envelope(tone, t);
    }
    const float loudest = peakOf(voice);
    if (out.size() < length) {
        out.resize(length, 0.0F);
    }
    for (std::size_t i = 0; i < length && loudest > 0.0F; ++i) {
        out[i] += voice[i] * tone.level / loudest;
    }
}

}  // namespace

const SoundRecipe& soundRecipe(SoundId id) { return recipes[static_cast<int>(id)]; }

std::vector<float> synthesize(const SoundRecipe& recipe) {
    std::vector<float> out;
    for (std::uint8_t i = 0; i < recipe.toneCount; ++i) {
        addTone(recipe.tones[i], out);
    }
    const float loudest = peakOf(out);
    if (loudest > 0.0F) {
        for (float& v : out) {
            v *= recipe.peak / loudest;
        }
    }
    return out;
}

const SoundBank& soundBank() {
    static const SoundBank bank = [] {
        SoundBank made;
        for (int i = 0; i < soundCount; ++i) {
            made.samples[i] = synthesize(recipes[i]);
        }
        return made;
    }();
    return bank;
}
