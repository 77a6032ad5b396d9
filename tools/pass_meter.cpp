// Measures the real game's pass rate without changing it: preloaded into the
// game, it notes the time of every event poll (one per main-loop pass) and,
// when the game exits, reports the rate, its spread, CPU time and peak memory,
// and the beat after the first 2 s: the intervals' spread, the most passes in
// any one second, and how many intervals are off the beat of a display of
// PASS_METER_REFRESH hertz (unset or 0: of one pass length, as without
// vsync). On the beat means floor(R/60) to ceil(R/60) refreshes of an R Hz
// display, give or take 3 ms.
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

namespace {

using Clock = std::chrono::steady_clock;

struct Meter {
    std::vector<Clock::time_point> polls;
    Meter() { polls.reserve(1U << 20U); }
    Meter(const Meter&) = delete;
    Meter& operator=(const Meter&) = delete;
    ~Meter();
    void report(FILE* out) const;
    void reportBeat(FILE* out) const;
};

Meter meter;

// To the file PASS_METER_OUT names, or else to stderr.
Meter::~Meter() {
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
    if (polls.size() < 3) {
        return;
    }
    // Rate per whole second of the run, skipping the partial last second.
    std::vector<double> perSecond;
    std::size_t start = 0;
    for (std::size_t i = 1; i < polls.size(); ++i) {
        if (polls[i] - polls[start] >= std::chrono::seconds(1)) {
            perSecond.push_back(static_cast<double>(i - start));
            start = i;
        }
    }
    const double seconds = std::chrono::duration<double>(polls.back() - polls.front()).count();
    const double mean = static_cast<double>(polls.size() - 1) / seconds;
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
    std::fprintf(out, "passes %zu\nseconds %.3f\nmean_rate %.2f\n", polls.size(), seconds, mean);
    std::fprintf(out, "per_second_min %.0f\nper_second_max %.0f\nper_second_stddev %.2f\n", low,
                 high, spread);
    std::fprintf(out, "cpu_percent %.1f\npeak_rss_kib %ld\n", 100.0 * cpu / seconds,
                 usage.ru_maxrss);
    reportBeat(out);
}

void Meter::reportBeat(FILE* out) const {
    const auto settled = std::find_if(polls.begin(), polls.end(), [&](Clock::time_point poll) {
        return poll - polls.front() >= std::chrono::seconds(2);
    });
    if (polls.end() - settled < 3) {
        return;
    }
    std::vector<double> intervals;
    for (auto poll = settled + 1; poll != polls.end(); ++poll) {
        intervals.push_back(std::chrono::duration<double, std::milli>(*poll - poll[-1]).count());
    }
    // The beat's bounds in milliseconds.
    const char* refreshText = std::getenv("PASS_METER_REFRESH");
    const double hertz = refreshText != nullptr ? std::strtod(refreshText, nullptr) : 0.0;
    const double passMs = 1000.0 / 60.0;
    double shortest = passMs;
    double longest = passMs;
    if (hertz > 0.0) {
        const double refreshMs = 1000.0 / hertz;
        shortest = std::floor(hertz / 60.0) * refreshMs;
        longest = std::ceil(hertz / 60.0) * refreshMs;
    }
    const double offBeat =
        static_cast<double>(std::count_if(intervals.begin(), intervals.end(), [&](double ms) {
            return ms < shortest - 3.0 || ms > longest + 3.0;
        }));
    std::size_t most = 0;
    for (auto first = settled, last = settled; last != polls.end(); ++last) {
        while (*last - *first >= std::chrono::seconds(1)) {
            ++first;
        }
        most = std::max(most, static_cast<std::size_t>(last - first + 1));
    }
    const double longestMs = *std::max_element(intervals.begin(), intervals.end());
    std::sort(intervals.begin(), intervals.end());
    const auto at = [&](double fraction) {
        return intervals[static_cast<std::size_t>(fraction *
                                                  static_cast<double>(intervals.size() - 1))];
    };
    std::fprintf(out, "interval_ms_p5 %.1f\ninterval_ms_p50 %.1f\ninterval_ms_p95 %.1f\n", at(0.05),
                 at(0.5), at(0.95));
    std::fprintf(out, "interval_ms_longest %.1f\nmost_in_a_second %zu\noff_beat_percent %.1f\n",
                 longestMs, most, 100.0 * offBeat / static_cast<double>(intervals.size()));
}

}  // namespace

extern "C" void glfwPollEvents() {
    using Poll = void (*)();
    static const auto real = reinterpret_cast<Poll>(dlsym(RTLD_NEXT, "glfwPollEvents"));
    meter.polls.push_back(Clock::now());
    real();
}
