#pragma once

#include <atomic>
#include <cstdint>

#include "audio/cues.hpp"
#include "audio/event_queue.hpp"
#include "audio/mixer.hpp"
#include "audio/sounds.hpp"

// Between the game's passes and the sound callback: the passes turn what a
// tick did into sounds and queue them; the callback, on miniaudio's
// thread (or the page's audio events), mixes them. Neither side waits on the
// other or allocates.
struct SoundEvent {
    SoundId id = SoundId::jump;
    std::uint32_t pass = 0;  // the pass that made it
};

// A sound queued this many passes ago and not yet mixed is dropped: the
// output was stopped meanwhile (a page's sound waits for the first key).
constexpr std::uint32_t stalePasses = 6;

struct SoundOutput {
    EventQueue<SoundEvent, 64> queue;
    std::atomic<std::uint32_t> pass{0};  // the latest pass, told by the passes
    std::atomic<bool> muted{false};
    std::atomic<std::uint32_t> mixedPass{0};  // the pass of the latest sound started
    CueMemory memory;                         // the passes' side only
    Mixer mixer;                              // the callback's side only
};

SoundOutput& soundOutput();

// Called by each pass with the player before and after its tick.
void hearPass(const PlayerSnapshot& before, const PlayerSnapshot& after);

// The M key and the page's speaker button. Nothing is remembered between runs.
void toggleMute();
bool soundMuted();

// Called by the sound callback: the next `frames` frames of `channels`
// samples each. Sounds queued since the last call start on its first frame.
void renderSound(float* out, std::uint32_t frames, std::uint32_t channels);

// The device edge: opens the sound output if the machine has one, silently
// doing nothing otherwise; and closes it at the end of the run.
void startSound();
void stopSound();
