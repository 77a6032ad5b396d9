#include "audio/sound.hpp"

SoundOutput& soundOutput() {
    static SoundOutput output;
    return output;
}

void hearPass(const PlayerSnapshot& before, const PlayerSnapshot& after) {
    SoundOutput& output = soundOutput();
    const std::uint32_t pass = output.pass.load(std::memory_order_relaxed) + 1;
    output.pass.store(pass, std::memory_order_relaxed);
    const SoundCues cues = cueSounds(before, after, output.memory);
    for (std::uint8_t i = 0; i < cues.count; ++i) {
        pushEvent(output.queue, SoundEvent{cues.ids[i], pass});
    }
}

void toggleMute() {
    SoundOutput& output = soundOutput();
    output.muted.store(!output.muted.load(std::memory_order_relaxed), std::memory_order_relaxed);
}

bool soundMuted() { return soundOutput().muted.load(std::memory_order_relaxed); }

void renderSound(float* out, std::uint32_t frames, std::uint32_t channels) {
    SoundOutput& output = soundOutput();
    Mixer& mixer = output.mixer;
    const bool muted = soundMuted();
    const std::uint32_t pass = output.pass.load(std::memory_order_relaxed);
    SoundEvent event;
    while (popEvent(output.queue, event)) {
        // Signed: a pass may queue its sound after `pass` was read here.
        const auto age = static_cast<std::int32_t>(pass - event.pass);
        if (!muted && age <= static_cast<std::int32_t>(stalePasses)) {
            startVoice(mixer, &soundSamples(event.id));
            output.mixedPass.store(event.pass, std::memory_order_relaxed);
        }
    }
    mixer.gainTarget = muted ? 0.0F : 1.0F;
    mix(mixer, out, frames, channels);
    if (muted && mixer.gain == 0.0F) {
        for (MixerVoice& voice : mixer.voices) {
            voice.samples = nullptr;  // faded out: not taken up again on unmute
        }
    }
}
