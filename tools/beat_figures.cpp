// The beat's figures (tools/beat_figures.hpp) of passes timed outside the
// game, as Wine's trace of torvik.exe's swaps times them: their times in
// seconds on standard input, one a line; the display's hertz as the argument
// (none or 0: without vsync).
//
//   beat_figures 144 <times.txt

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tools/beat_figures.hpp"

int main(int argc, char** argv) {
    const double hertz = argc > 1 ? std::strtod(argv[1], nullptr) : 0.0;
    std::vector<double> seconds;
    double time = 0.0;
    while (std::scanf("%lf", &time) == 1) {
        seconds.push_back(time);
    }
    std::printf("passes %zu\n", seconds.size());
    reportBeat(stdout, seconds, hertz);
    return 0;
}
