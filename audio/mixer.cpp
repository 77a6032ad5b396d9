#include "audio/mixer.hpp"

#include <algorithm>
#include <cstddef>

#include "audio/sounds.hpp"

namespace {

// Mute fades over 5 ms rather than cutting a sound off mid-wave.
constexpr float gainStep = 1.0F / (0.005F * soundRate);

}  // namespace

void startVoice(Mixer& mixer, const std::vector<float>* samples) {
    if (samples == nullptr || samples->empty()) {
        return;
    }
    MixerVoice* chosen = &mixer.voices[0];
    for (MixerVoice& voice : mixer.voices) {
        if (voice.samples == nullptr) {
            chosen = &voice;
            break;
        }
        if (voice.startOrder - chosen->startOrder > 0x80000000U) {  // older, across a wrap too
            chosen = &voice;
        }
    }
    *chosen = MixerVoice{samples, 0, mixer.started++};
}

void mix(Mixer& mixer, float* out, std::uint32_t frames, std::uint32_t channels) {
    // Every sample of `out` is written below, silence included.
    for (std::uint32_t f = 0; f < frames; ++f) {
        float sum = 0.0F;
        for (MixerVoice& voice : mixer.voices) {
            if (voice.samples == nullptr) {
                continue;
            }
            sum += (*voice.samples)[voice.position];
            if (++voice.position >= voice.samples->size()) {
                voice.samples = nullptr;
            }
        }
        if (mixer.gain < mixer.gainTarget) {
            mixer.gain = std::min(mixer.gainTarget, mixer.gain + gainStep);
        } else if (mixer.gain > mixer.gainTarget) {
            mixer.gain = std::max(mixer.gainTarget, mixer.gain - gainStep);
        }
        const float value = std::clamp(sum * mixer.gain, -1.0F, 1.0F);
        for (std::uint32_t c = 0; c < channels; ++c) {
            out[static_cast<std::size_t>(f) * channels + c] = value;
        }
    }
}
