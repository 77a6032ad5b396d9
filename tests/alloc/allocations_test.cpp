// The tick and the sound callback allocate nothing: every global operator new
// of this executable is counted while they run. Its own executable, since the
// counting replaces the allocation functions of the whole program.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "audio/sound.hpp"
#include "tests/key_script.hpp"
#include "tests/unit/sound_fixture.hpp"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* allocate(std::size_t size, std::size_t alignment) {
    if (counting.load(std::memory_order_relaxed)) {
        allocations.fetch_add(1, std::memory_order_relaxed);
    }
    size = std::max<std::size_t>(size, 1);
    void* block =
        alignment <= alignof(std::max_align_t)
            ? std::malloc(size)
            : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
    return block;
}

void* allocateOrThrow(std::size_t size, std::size_t alignment) {
    void* block = allocate(size, alignment);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

// Counts what `body` allocates.
template <typename Body>
long allocationsIn(Body body) {
    allocations = 0;
    counting = true;
    body();
    counting = false;
    return allocations;
}

}  // namespace

void* operator new(std::size_t size) { return allocateOrThrow(size, 0); }
void* operator new[](std::size_t size) { return allocateOrThrow(size, 0); }
void* operator new(std::size_t size, std::align_val_t a) {
    return allocateOrThrow(size, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t size, std::align_val_t a) {
    return allocateOrThrow(size, static_cast<std::size_t>(a));
}
void* operator new(std::size_t size, const std::nothrow_t& /*unused*/) noexcept {
    return allocate(size, 0);
}
void* operator new[](std::size_t size, const std::nothrow_t& /*unused*/) noexcept {
    return allocate(size, 0);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t /*size*/) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t /*size*/) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t /*a*/) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t /*a*/) noexcept { std::free(block); }
void operator delete(void* block, std::size_t /*size*/, std::align_val_t /*a*/) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t /*size*/, std::align_val_t /*a*/) noexcept {
    std::free(block);
}

namespace {

// The player on the real level and the sound output as a fresh run has them,
// the sounds synthesized, as the game does before its first pass.
class Allocations : public PlayerSoundWorld {
protected:
    // A pass without its window: the scripted keys, the tick, and the sounds
    // read from it, counted here by kind.
    void pass() {
        const ScriptedKeys& held = nextKeys(script);
        keys(held.left, held.right, held.jump);
        const PlayerSnapshot before = snapshotPlayer(*player, motion());
        tick();
        const PlayerSnapshot after = snapshotPlayer(*player, motion());
        hearPass(before, after);
        const SoundCues cues = cueSounds(before, after, memory);
        for (std::uint8_t i = 0; i < cues.count; ++i) {
            ++heard[static_cast<int>(cues.ids[i])];
        }
        standing += after.onGround && motion().velocityX == 0 ? 1 : 0;
    }

    KeyScript script;
    CueMemory memory;
    int heard[soundCount]{};
    int standing = 0;
};

TEST_F(Allocations, NoneInTenThousandTicks) {
    const long count = allocationsIn([this] {
        for (int i = 0; i < 10000; ++i) {
            pass();
        }
    });
    EXPECT_EQ(count, 0);
    // The keys made it stand, run, jump, bump its head and land.
    EXPECT_GT(standing, 100);
    EXPECT_GT(heard[static_cast<int>(SoundId::step)], 10);
    EXPECT_GT(heard[static_cast<int>(SoundId::jump)], 10);
    EXPECT_GT(heard[static_cast<int>(SoundId::bump)], 0);
    EXPECT_GT(heard[static_cast<int>(SoundId::landingSoft)] +
                  heard[static_cast<int>(SoundId::landing)] +
                  heard[static_cast<int>(SoundId::landingHard)] +
                  heard[static_cast<int>(SoundId::landingHeavy)],
              10);
}

TEST_F(Allocations, NoneInAThousandMixerCallbacks) {
    // 10 ms periods of a 48 kHz device beside passes at 60 a second, M
    // pressed for a while in the middle.
    constexpr std::uint32_t period = 480;
    std::vector<float> out(period);
    std::uint32_t passes = 0;
    std::uint32_t voicesEnded = 0;
    float loudest = 0.0F;
    const Mixer& mixer = soundOutput().mixer;
    const long count = allocationsIn([&] {
        for (std::uint32_t call = 0; call < 1000; ++call) {
            for (; passes * (soundRate / 60) < call * period; ++passes) {
                pass();
            }
            if (call == 400 || call == 450) {
                toggleMute();
            }
            const int playingBefore = static_cast<int>(
                std::count_if(std::begin(mixer.voices), std::end(mixer.voices),
                              [](const MixerVoice& v) { return v.samples != nullptr; }));
            renderSound(out.data(), period, 1);
            const int playingAfter = static_cast<int>(
                std::count_if(std::begin(mixer.voices), std::end(mixer.voices),
                              [](const MixerVoice& v) { return v.samples != nullptr; }));
            voicesEnded += playingAfter < playingBefore ? 1 : 0;
            for (const float v : out) {
                loudest = std::max(loudest, v < 0 ? -v : v);
            }
        }
    });
    EXPECT_EQ(count, 0);
    EXPECT_GT(mixer.started, 10U);
    EXPECT_GT(voicesEnded, 10U);
    EXPECT_GT(loudest, 0.05F);
}

}  // namespace
