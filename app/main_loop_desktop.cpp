// The desktop drives the passes itself: each waits for its turn, then runs,
// sleeping after its swap as the pacer asks.

#include <chrono>
#include <thread>

#include "app/pass.hpp"
#include "app/pass_turns.hpp"
#include "app/window.hpp"

namespace {

// The turns are kept on a clock of their own rather than GLFW's, so that a
// pass makes no more calls to GLFW than it did.
double turnClockSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// To the platform's finest, not the pacer's whole milliseconds: a turn is
// rarely a whole number of them away.
void sleepUntilTurn(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace

void runMainLoop() {
    const PassTiming timing{clockSeconds, sleepSeconds};
    PassTurns turns{.lateTurns = desktopLateTurns};
    do {
        waitForTurn(turns, turnClockSeconds, sleepUntilTurn);
        runPass(timing);
    } while (windowOpen());
}
