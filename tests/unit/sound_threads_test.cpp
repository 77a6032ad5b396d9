#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <iterator>
#include <thread>
#include <vector>

#include "audio/sound.hpp"
#include "tests/key_script.hpp"
#include "tests/unit/sound_fixture.hpp"

namespace {

// The sound's path from the pass to the speaker on two threads, as the game
// runs it: one plays passes, the other is the device calling for sound. Both
// run flat out, kept to the device's pace against the passes' (800 frames a
// pass at 48 kHz and 60 passes a second) within three passes either way, as
// a real device and the game's pacer keep them; and the passes never more
// than three ahead of those the device last heard of, so that no sound waits
// long enough to be dropped as stale (six passes). The pacing counters are
// relaxed atomics, which order nothing: whatever orders the game's own data
// between the threads is the game's, and ThreadSanitizer judges that alone.
class SoundThreads : public PlayerSoundWorld {};

constexpr std::uint32_t framesPerPass = soundRate / 60;
constexpr std::uint32_t period = 480;  // the device's 10 ms
constexpr std::uint32_t leeway = 3;    // passes either side may run ahead

SoundId soundOf(const std::vector<float>* samples) {
    for (int i = 0; i < soundCount; ++i) {
        if (samples == &soundSamples(static_cast<SoundId>(i))) {
            return static_cast<SoundId>(i);
        }
    }
    ADD_FAILURE() << "a voice plays something that is no sound";
    return SoundId::jump;
}

TEST_F(SoundThreads, EveryCueOfAStressedRunStartsOnceAndInOrder) {
    for (int i = 0; i < soundCount; ++i) {
        // Each lasts past the period that starts it, so the mixer shows it.
        ASSERT_GT(soundSamples(static_cast<SoundId>(i)).size(), period);
    }
    // A corridor whose ceiling is 5 px above the head: hopping along it
    // makes a jump, a bump and a landing every few passes, steps between.
    useMap({"#......................#", "#......................#", "#......................#",
            "#......................#", "#......................#", "#......................#",
            "########################", "#......................#", "#......................#",
            "########################"});
    buildCellGrid(world);
    standAt(100, 144);

    constexpr std::uint32_t passCount = 135000;
    std::atomic<std::uint32_t> passesDone{0};
    std::atomic<std::uint32_t> framesMixed{0};
    std::atomic<std::uint32_t> passesHeard{0};  // done as the device last called
    std::vector<SoundId> queued;                // the pass thread's
    std::vector<SoundId> started;               // the device thread's
    queued.reserve(passCount * 3);
    started.reserve(passCount * 3);
    std::uint32_t givenWay = 0;

    std::thread passes([&] {
        KeyScript script;
        CueMemory memory = soundOutput().memory;
        for (std::uint32_t p = 1; p <= passCount; ++p) {
            while (p > passesHeard.load(std::memory_order_relaxed) + leeway ||
                   p * framesPerPass >
                       framesMixed.load(std::memory_order_relaxed) + leeway * framesPerPass) {
                std::this_thread::yield();
            }
            // Mostly hopping, turning now and then; some spells let go.
            const ScriptedKeys& held = nextKeys(script);
            keys(held.left && !held.right, held.right && !held.left,
                 held.jump || held.left || held.right);
            const PlayerSnapshot before = snapshotPlayer(*player, motion());
            tick();
            const PlayerSnapshot after = snapshotPlayer(*player, motion());
            hearPass(before, after);
            const SoundCues cues = cueSounds(before, after, memory);
            queued.insert(queued.end(), cues.ids, cues.ids + cues.count);
            passesDone.store(p, std::memory_order_relaxed);
        }
    });

    std::thread device([&] {
        std::vector<float> out(period);
        const Mixer& mixer = soundOutput().mixer;
        std::uint32_t seen = 0;
        std::uint32_t drain = 10;  // periods after the last pass
        std::vector<MixerVoice> fresh;
        fresh.reserve(mixerVoiceCount);
        while (drain > 0) {
            const std::uint32_t done = passesDone.load(std::memory_order_relaxed);
            const std::uint32_t frames = framesMixed.load(std::memory_order_relaxed);
            if (done == passCount) {
                --drain;
            } else if (frames > (done + leeway) * framesPerPass) {
                std::this_thread::yield();
                continue;
            }
            passesHeard.store(done, std::memory_order_relaxed);
            renderSound(out.data(), period, 1);
            framesMixed.store(frames + period, std::memory_order_relaxed);
            // What this period started, oldest first; any it started and
            // gave way again (more than the pool in one period) came first.
            fresh.clear();
            std::copy_if(std::begin(mixer.voices), std::end(mixer.voices),
                         std::back_inserter(fresh), [seen](const MixerVoice& v) {
                             return v.samples != nullptr && v.startOrder - seen < 0x80000000U;
                         });
            std::sort(fresh.begin(), fresh.end(), [seen](const MixerVoice& a, const MixerVoice& b) {
                return a.startOrder - seen < b.startOrder - seen;
            });
            const std::uint32_t count = mixer.started - seen;
            const auto shown = static_cast<std::uint32_t>(fresh.size());
            if (shown < count) {
                // Only a full pool of newer sounds makes one give way.
                if (shown != mixerVoiceCount) {
                    ADD_FAILURE() << count - shown << " started sounds vanished";
                }
                givenWay += count - shown;
                started.insert(started.end(), count - shown, SoundId::jump);
            }
            for (const MixerVoice& v : fresh) {
                started.push_back(soundOf(v.samples));
            }
            seen = mixer.started;
        }
    });
    passes.join();
    device.join();

    EXPECT_GT(queued.size(), 20000U);
    ASSERT_EQ(started.size(), queued.size()) << givenWay << " gave way";
    std::uint32_t mismatches = 0;
    for (std::size_t i = 0; i < queued.size(); ++i) {
        mismatches += started[i] != queued[i] ? 1 : 0;
    }
    EXPECT_LE(mismatches, givenWay) << "of " << queued.size() << " sounds";
}

}  // namespace
