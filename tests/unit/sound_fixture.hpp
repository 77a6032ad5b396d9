#pragma once

#include "audio/sound.hpp"
#include "tests/unit/player_fixture.hpp"

// The process-wide sound output as a fresh run has it.
inline void resetSoundOutput() {
    SoundOutput& output = soundOutput();
    SoundEvent dropped;
    while (popEvent(output.queue, dropped)) {
    }
    output.pass = 0;
    output.muted = false;
    output.memory = {};
    output.mixer = {};
}

// The player on its level and the sound output fresh, the sounds synthesized
// as the game has them before its first pass.
class PlayerSoundWorld : public PlayerWorld {
protected:
    void SetUp() override {
        PlayerWorld::SetUp();
        soundBank();
        resetSoundOutput();
    }
    void TearDown() override {
        resetSoundOutput();
        PlayerWorld::TearDown();
    }
};
