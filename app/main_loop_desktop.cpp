// The desktop drives the passes itself, sleeping between them as the pacer asks.

#include "app/pass.hpp"
#include "app/window.hpp"

void runMainLoop() {
    const PassTiming timing{clockSeconds, sleepSeconds};
    do {
        runPass(timing);
    } while (windowOpen());
}
