#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/sound.hpp"
#include "tests/unit/sound_fixture.hpp"

namespace {

float peakOf(const std::vector<float>& samples) {
    float peak = 0.0F;
    for (float v : samples) {
        peak = std::max(peak, std::fabs(v));
    }
    return peak;
}

std::vector<float> render(std::uint32_t frames) {
    std::vector<float> out(frames, 1.0F);
    renderSound(out.data(), frames, 1);
    return out;
}

TEST(Sounds, EachIsShortQuietEnoughAndStartsAndEndsInSilence) {
    for (int i = 0; i < soundCount; ++i) {
        const auto id = static_cast<SoundId>(i);
        const std::vector<float>& s = soundSamples(id);
        const SoundRecipe& recipe = soundRecipe(id);
        float longest = 0.0F;
        for (int t = 0; t < recipe.toneCount; ++t) {
            longest = std::max(longest, recipe.tones[t].seconds);
        }
        EXPECT_EQ(s.size(), static_cast<std::size_t>(longest * soundRate)) << "sound " << i;
        EXPECT_LE(s.size(), static_cast<std::size_t>(soundRate / 4)) << "sound " << i;
        const float peak = peakOf(s);
        EXPECT_GT(peak, 0.05F) << "sound " << i;
        EXPECT_LE(peak, 0.5F) << "sound " << i << " louder than -6 dBFS";
        EXPECT_EQ(s.front(), 0.0F) << "sound " << i;
        // Into and out of silence gently: no jump at either end bigger than
        // the first or last millisecond's share of the sound.
        EXPECT_LT(std::fabs(s[1]), peak / 10) << "sound " << i;
        EXPECT_LT(std::fabs(s.back()), peak / 100) << "sound " << i;
    }
}

TEST(Sounds, LandingsAreLouderLowerAndLongerTheFurtherTheFall) {
    const SoundId landings[] = {SoundId::landingSoft, SoundId::landing, SoundId::landingHard,
                                SoundId::landingHeavy};
    for (int i = 1; i < 4; ++i) {
        EXPECT_GT(peakOf(soundSamples(landings[i])), peakOf(soundSamples(landings[i - 1])));
        EXPECT_GT(soundSamples(landings[i]).size(), soundSamples(landings[i - 1]).size());
        EXPECT_LT(soundRecipe(landings[i]).tones[0].startHz,
                  soundRecipe(landings[i - 1]).tones[0].startHz);
    }
}

TEST(Mixer, EverySoundAtOnceNeverClipsAndANinthTakesTheOldestVoice) {
    // One of each kind, the loudest landing, at their loudest moments
    // together: still below full scale, whatever the offsets.
    float sum = 0.0F;
    for (SoundId id : {SoundId::jump, SoundId::step, SoundId::bump, SoundId::landingHeavy}) {
        sum += peakOf(soundSamples(id));
    }
    EXPECT_LT(sum, 1.0F);

    // Eight long flat sounds fill the pool; a ninth replaces the first.
    std::vector<std::vector<float>> flats;
    for (int i = 1; i <= mixerVoiceCount + 1; ++i) {
        flats.emplace_back(100, 0.01F * static_cast<float>(i));
    }
    Mixer mixer;
    for (const auto& flat : flats) {
        startVoice(mixer, &flat);
    }
    float out[2] = {};
    mix(mixer, out, 1, 2);
    EXPECT_NEAR(out[0], 0.01F * (2 + 3 + 4 + 5 + 6 + 7 + 8 + 9), 1e-5F);
    EXPECT_EQ(out[0], out[1]);
    // The next steal takes the second, now the oldest, not the newest.
    startVoice(mixer, &flats[0]);
    mix(mixer, out, 1, 2);
    EXPECT_NEAR(out[0], 0.01F * (1 + 3 + 4 + 5 + 6 + 7 + 8 + 9), 1e-5F);
}

TEST(EventQueue, FillsAndEmptiesInOrderAndRefusesWhenFullAcrossTheCountersWrap) {
    EventQueue<int, 4> queue;
    int item = 0;
    for (int round = 0; round < 3; ++round) {  // across the counters' wrap of the ring
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(pushEvent(queue, round * 10 + i));
        }
        EXPECT_FALSE(pushEvent(queue, 99));
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(popEvent(queue, item));
            EXPECT_EQ(item, round * 10 + i);
        }
        EXPECT_FALSE(popEvent(queue, item));
    }
}

class SoundOut : public PlayerSoundWorld {
protected:
    // One pass's tick and the sounds it queues, as the main loop does.
    void pass() {
        const PlayerSnapshot before = snapshotPlayer(*player, motion());
        tick();
        hearPass(before, snapshotPlayer(*player, motion()));
    }

    // One tick and the sounds read from it.
    SoundCues cueTick() {
        const PlayerSnapshot before = snapshotPlayer(*player, motion());
        tick();
        return cueSounds(before, snapshotPlayer(*player, motion()), memory);
    }

    CueMemory memory;
};

TEST_F(SoundOut, ASoundQueuedByAPassStartsOnTheNextMixsFirstFrame) {
    standAt(40, 128);
    memory.landedBefore = true;
    const std::vector<float>& jump = soundSamples(SoundId::jump);
    keys(false, false, true);
    pass();  // takes off
    keys(false, false, false);
    std::vector<float> out = render(480);  // one 10 ms period
    EXPECT_TRUE(std::equal(out.begin(), out.end(), jump.begin()));
    out = render(480);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), jump.begin() + 480));

    // M: faded out within 5 ms, silent after; what is queued meanwhile is
    // not heard, then or after M again.
    toggleMute();
    out = render(480);
    EXPECT_TRUE(std::all_of(out.begin() + 240, out.end(), [](float v) { return v == 0.0F; }));
    keys(false, true, false);
    for (int i = 0; i < 100; ++i) {
        pass();  // steps, mixed as they come, unheard
        EXPECT_EQ(peakOf(render(soundRate / 60)), 0.0F) << "pass " << i;
    }
    toggleMute();
    EXPECT_EQ(peakOf(render(480)), 0.0F);

    // Queued while nothing was mixing (a page's sound waiting for its first
    // key), long enough ago: dropped, not heard all at once later.
    keys(false, false, false);
    for (int i = 0; i < 60; ++i) {
        pass();  // to a standstill
    }
    render(soundRate);  // everything before has played out
    pushEvent(soundOutput().queue, SoundEvent{SoundId::bump, soundOutput().pass});
    for (std::uint32_t i = 0; i <= stalePasses; ++i) {
        pass();
    }
    out = render(480);
    EXPECT_EQ(peakOf(out), 0.0F);
    // One queued by a pass newer than the callback has yet seen is heard.
    pushEvent(soundOutput().queue, SoundEvent{SoundId::bump, soundOutput().pass + 1});
    EXPECT_GT(peakOf(render(soundRate / 10)), 0.1F);
}

TEST_F(SoundOut, JumpOnTakeOffLandingOnTouchDownTheFirstOneSoft) {
    // The start-up drop onto the grass: one soft landing, in its landing tick.
    std::vector<SoundCues> ticks;
    while (motion().onGround == 0) {
        ticks.push_back(cueTick());
        ASSERT_LT(ticks.size(), 100U);
    }
    ASSERT_EQ(ticks.back().count, 1);
    EXPECT_EQ(ticks.back().ids[0], SoundId::landingSoft);
    for (std::size_t i = 0; i + 1 < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].count, 0) << "tick " << i;
    }

    // Standing still: nothing.
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(cueTick().count, 0);
    }

    // Holding X: a jump in each take-off tick and a landing, from 48 px up,
    // in each touch-down tick; nothing in between.
    keys(false, false, true);
    int jumps = 0;
    int landings = 0;
    for (int i = 0; i < 300; ++i) {
        const bool wasOnGround = motion().onGround != 0;
        const SoundCues cues = cueTick();
        const bool onGround = motion().onGround != 0;
        if (wasOnGround && !onGround) {
            ASSERT_EQ(cues.count, 1) << "tick " << i;
            EXPECT_EQ(cues.ids[0], SoundId::jump);
            ++jumps;
        } else if (!wasOnGround && onGround) {
            ASSERT_EQ(cues.count, 1) << "tick " << i;
            EXPECT_EQ(cues.ids[0], SoundId::landingHard);
            ++landings;
        } else {
            EXPECT_EQ(cues.count, 0) << "tick " << i;
        }
    }
    EXPECT_GE(jumps, 4);
    EXPECT_GE(landings, jumps - 1);
}

TEST_F(SoundOut, StepsOnTheStrideFramesAndABumpUnderACeiling) {
    useFlatGround();
    standAt(40, 128);
    memory.landedBefore = true;
    keys(false, true, false);
    int steps = 0;
    for (int i = 0; i < 200; ++i) {
        const std::uint8_t frame = walk().current;
        const SoundCues cues = cueTick();
        const bool stride = walk().current != frame && (walk().current == 0 || walk().current == 2);
        ASSERT_EQ(cues.count, stride ? 1 : 0) << "tick " << i;
        if (stride) {
            EXPECT_EQ(cues.ids[0], SoundId::step);
            ++steps;
        }
    }
    EXPECT_GE(steps, 200 / 26 - 1);
    keys(false, false, false);
    for (int i = 0; i < 60; ++i) {
        EXPECT_NE(cueTick().count, 2);  // coming to a stop: at most a last step
    }
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(cueTick().count, 0);
    }

    // A ceiling 35 px above the head: a jump, a bump three ticks later, and
    // the landing; falling from the ceiling is no second bump.
    useMap({".....", ".....", ".....", ".....", ".....", "#####", ".....", ".....", "#####"});
    buildCellGrid(world);
    standAt(40, 128);
    keys(false, false, true);
    std::vector<SoundId> heard;
    std::vector<int> when;
    for (int i = 0; i < 40; ++i) {
        const SoundCues cues = cueTick();
        keys(false, false, false);
        for (int c = 0; c < cues.count; ++c) {
            heard.push_back(cues.ids[c]);
            when.push_back(i);
        }
    }
    ASSERT_EQ(heard.size(), 3U);
    EXPECT_EQ(heard[0], SoundId::jump);
    EXPECT_EQ(when[0], 0);
    EXPECT_EQ(heard[1], SoundId::bump);
    EXPECT_EQ(when[1], 3);
    EXPECT_EQ(heard[2], SoundId::landingSoft);
}

}  // namespace
