#include "app/window_size.hpp"

#include <algorithm>
#include <cmath>

#include "render/view_steps.hpp"

namespace {

// 512 x 384, the window of an unscaled screen.
constexpr int unscaledSteps = 2;
// 4096 x 3072: more than any screen, a bound for a scale reported wrongly.
constexpr int mostSteps = 16;

}  // namespace

WindowSize windowSizeFor(float scale, int workWidth, int workHeight) {
    // A step is a ratio of sizes, and at a half step the larger one is the
    // nearer in ratio: 768 is 1.2 times the 640 that 1.25 asks for, 512 is
    // 1.25 times smaller. The smaller window is the one that is hard to see.
    const double wanted = std::isfinite(scale) ? unscaledSteps * static_cast<double>(scale) : 0.0;
    int steps = static_cast<int>(std::floor(std::clamp(wanted, 0.0, double{mostSteps}) + 0.5));
    if (workWidth > 0 && workHeight > 0) {
        steps = std::min(steps, wholeSteps(workWidth, workHeight));
    }
    steps = std::max(steps, unscaledSteps);
    return {viewStepWidth * steps, viewStepHeight * steps};
}
