#include "app/pass_turns.hpp"

#include "app/frame_pacer.hpp"

namespace {

// The pacer's own pass length, so that the beat and the pacer never drift
// apart and the pacer's reckoning stays as it was.
constexpr double passSeconds = targetPassMs / msPerSecond;

}  // namespace

double secondsToTurn(const PassTurns& turns, double now) {
    if (!turns.started || now >= turns.nextTurn - earlyTurnSeconds) {
        return 0.0;
    }
    return turns.nextTurn - now;
}

void takeTurn(PassTurns& turns, double now) {
    if (!turns.started || now >= turns.nextTurn + turns.lateTurns * passSeconds) {
        turns.nextTurn = now + passSeconds;
        turns.started = true;
    } else {
        turns.nextTurn += passSeconds;
    }
}

void waitForTurn(PassTurns& turns, double (*clock)(), void (*sleep)(double seconds)) {
    double now = clock();
    if (const double wait = secondsToTurn(turns, now); wait > 0.0) {
        sleep(wait);
        now = clock();
    }
    takeTurn(turns, now);
}

bool swapsWaitForDisplay(int refreshHz) { return refreshHz <= 0 || refreshHz >= 60; }
