// Measures the real game's pass rate without changing it: preloaded into the
// game, it notes the time of every reading of the game's clock (one at the
// start of each main-loop pass, where its turn is taken, and one at start-up)
// and,
// when the game exits, reports the rate, its spread, CPU time and peak memory,
// and the beat (tools/beat_figures.hpp) on a display of PASS_METER_REFRESH
// hertz (unset or 0: without vsync).
//
//   LD_PRELOAD=build/tools/libtorvik_pass_meter.so PASS_METER_OUT=figures.txt build/torvik

#include <dlfcn.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tools/beat_figures.hpp"

namespace {

using Clock = std::chrono::steady_clock;

struct Meter {
    std::vector<Clock::time_point> passes;
    Meter() { passes.reserve(1U << 20U); }
    Meter(const Meter&) = delete;
    Meter& operator=(const Meter&) = delete;
    ~Meter();
    void report(FILE* out) const;
    void reportBeat(FILE* out) const;
};

Meter meter;

// To the file PASS_METER_OUT names, or else to stderr.
Meter::~Meter() {
    // Each pass's time too, in seconds from the first, when PASS_METER_TIMES
    // names a file: what tools/beat_figures reads.
    if (const char* times = std::getenv("PASS_METER_TIMES"); times != nullptr) {
        if (FILE* out = std::fopen(times, "w"); out != nullptr) {
            for (const Clock::time_point pass : passes) {
                std::fprintf(out, "%.6f\n",
                             std::chrono::duration<double>(pass - passes.front()).count());
            }
            std::fclose(out);
        }
    }
    const char* path = std::getenv("PASS_METER_OUT");
    if (path == nullptr) {
        report(stderr);
        return;
    }
    if (FILE* out = std::fopen(path, "w"); out != nullptr) {
        report(out);
        std::fclose(out);
    }
}

// Nothing for a run too short for a rate.
void Meter::report(FILE* out) const {
    if (passes.size() < 3) {
        return;
    }
    // Rate per whole second of the run, skipping the partial last second.
    std::vector<double> perSecond;
    std::size_t start = 0;
    for (std::size_t i = 1; i < passes.size(); ++i) {
        if (passes[i] - passes[start] >= std::chrono::seconds(1)) {
            perSecond.push_back(static_cast<double>(i - start));
            start = i;
        }
    }
    const double seconds = std::chrono::duration<double>(passes.back() - passes.front()).count();
    const double mean = static_cast<double>(passes.size() - 1) / seconds;
    double low = mean;
    double high = mean;
    double variance = 0.0;
    for (double rate : perSecond) {
        low = std::min(low, rate);
        high = std::max(high, rate);
        variance += (rate - mean) * (rate - mean);
    }
    const double spread = perSecond.empty() ? 0.0 : std::sqrt(variance / perSecond.size());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::fprintf(out, "passes %zu\nseconds %.3f\nmean_rate %.2f\n", passes.size(), seconds, mean);
    std::fprintf(out, "per_second_min %.0f\nper_second_max %.0f\nper_second_stddev %.2f\n", low,
                 high, spread);
    std::fprintf(out, "cpu_percent %.1f\npeak_rss_kib %ld\n", 100.0 * cpu / seconds,
                 usage.ru_maxrss);
    reportBeat(out);
}

void Meter::reportBeat(FILE* out) const {
    std::vector<double> seconds;
    seconds.reserve(passes.size());
    for (const Clock::time_point pass : passes) {
        seconds.push_back(std::chrono::duration<double>(pass - passes.front()).count());
    }
    const char* hertz = std::getenv("PASS_METER_REFRESH");
    ::reportBeat(out, seconds, hertz != nullptr ? std::strtod(hertz, nullptr) : 0.0);
}

}  // namespace

extern "C" double glfwGetTime() {
    using GetTime = double (*)();
    static const auto real = reinterpret_cast<GetTime>(dlsym(RTLD_NEXT, "glfwGetTime"));
    meter.passes.push_back(Clock::now());
    return real();
}
