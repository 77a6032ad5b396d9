// How soon a sound queued by a pass is mixed: opens the game's sound output as
// the game does, queues a step at 60 passes a second for 5 s, and times each
// from the queueing to the callback starting it. Prints the figures.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ratio>
#include <thread>
#include <vector>

#include "audio/sound.hpp"

int main() {
    using Clock = std::chrono::steady_clock;
    startSound();
    SoundOutput& output = soundOutput();
    // Timed from the first sound the output takes, once it is running.
    std::uint32_t pass = 0;
    const Clock::time_point opened = Clock::now();
    while (output.mixedPass.load() == 0 && Clock::now() - opened < std::chrono::seconds(5)) {
        output.pass.store(++pass);
        pushEvent(output.queue, SoundEvent{SoundId::step, pass});
        std::this_thread::sleep_for(std::chrono::microseconds(16667));
    }
    std::vector<double> delays;
    int unheard = 0;
    for (const std::uint32_t last = pass + 300; pass < last;) {
        ++pass;
        std::this_thread::sleep_for(std::chrono::microseconds(16667));
        output.pass.store(pass);
        const Clock::time_point queued = Clock::now();
        pushEvent(output.queue, SoundEvent{SoundId::step, pass});
        while (output.mixedPass.load() != pass &&
               Clock::now() - queued < std::chrono::milliseconds(200)) {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        if (output.mixedPass.load() == pass) {
            delays.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - queued).count());
        } else {
            ++unheard;
        }
    }
    stopSound();
    if (delays.empty()) {
        std::printf("no sound output: nothing was mixed\n");
        return 1;
    }
    std::sort(delays.begin(), delays.end());
    std::printf(
        "queued to mixed over %zu sounds: median %.1f ms, 95th %.1f ms, longest %.1f ms; %d "
        "unmixed\n",
        delays.size(), delays[delays.size() / 2], delays[delays.size() * 95 / 100], delays.back(),
        unheard);
    return 0;
}
