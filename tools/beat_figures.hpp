#pragma once

// The beat of the real game's passes, from the times they came at: the
// intervals' spread, the most passes in any one second, and how many
// intervals are off the beat of a display of `hertz` (0: of one pass length,
// as without vsync). On the beat means floor(R/60) to ceil(R/60) refreshes
// of an R Hz display, give or take 3 ms. The first 2 s, the start-up's, are
// left out. Shared by the pass meter and the reader of Wine's timestamps.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <vector>

// Prints nothing for a run too short to judge.
inline void reportBeat(std::FILE* out, const std::vector<double>& seconds, double hertz) {
    const auto settled = std::find_if(seconds.begin(), seconds.end(),
                                      [&](double time) { return time - seconds.front() >= 2.0; });
    if (seconds.end() - settled < 3) {
        return;
    }
    std::vector<double> intervals;
    for (auto time = settled + 1; time != seconds.end(); ++time) {
        intervals.push_back(1000.0 * (*time - time[-1]));
    }
    double shortest = 1000.0 / 60.0;
    double longest = shortest;
    if (hertz > 0.0) {
        const double refreshMs = 1000.0 / hertz;
        shortest = std::floor(hertz / 60.0) * refreshMs;
        longest = std::ceil(hertz / 60.0) * refreshMs;
    }
    const auto offBeat = std::count_if(intervals.begin(), intervals.end(), [&](double ms) {
        return ms < shortest - 3.0 || ms > longest + 3.0;
    });
    std::ptrdiff_t most = 0;
    for (auto first = settled, last = settled; last != seconds.end(); ++last) {
        while (*last - *first >= 1.0) {
            ++first;
        }
        most = std::max(most, last - first + 1);
    }
    const double longestMs = *std::max_element(intervals.begin(), intervals.end());
    std::sort(intervals.begin(), intervals.end());
    const auto at = [&](double fraction) {
        return intervals[static_cast<std::size_t>(fraction *
                                                  static_cast<double>(intervals.size() - 1))];
    };
    std::fprintf(out, "interval_ms_p5 %.1f\ninterval_ms_p50 %.1f\ninterval_ms_p95 %.1f\n", at(0.05),
                 at(0.5), at(0.95));
    std::fprintf(out, "interval_ms_longest %.1f\nmost_in_a_second %td\noff_beat_percent %.1f\n",
                 longestMs, most,
                 100.0 * static_cast<double>(offBeat) / static_cast<double>(intervals.size()));
}
