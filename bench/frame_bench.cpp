// The cost of one drawn frame (clear, scene, swap) in a real 512 x 384
// window, and that it depends on the cells around the player, not on the map;
// then in windows of other sizes, whose frame is a whole-step picture
// stretched over them.

#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "characters/character.hpp"
#include "render/draw.hpp"
#include "render/frame.hpp"
#include "render/gl_context.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

void onFramebufferSize(GLFWwindow* /*window*/, int width, int height) {
    onWindowResize(width, height);
}

GLFWwindow* openWindow() {
    if (glfwInit() != GLFW_TRUE) {
        return nullptr;
    }
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    GLFWwindow* window = glfwCreateWindow(512, 384, "Torvik frame", nullptr, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    glfwMakeContextCurrent(window);
    // Measure the drawing, not the display's refresh.
    glfwSwapInterval(0);
    glContextReady() = true;
    glfwSetFramebufferSizeCallback(window, onFramebufferSize);
    onWindowResize(512, 384);
    setupRenderer(tilesetTexture());
    return window;
}

GLFWwindow* benchWindow() {
    static GLFWwindow* window = openWindow();
    return window;
}

// A map of side x side tiles repeating the real level's pattern, so every
// cell holds as many tiles as a cell of the real level does.
std::unique_ptr<Level> tiledLevel(int side) {
    const Level real;
    auto level = std::make_unique<Level>();
    level->width = static_cast<std::uint16_t>(side);
    level->height = static_cast<std::uint16_t>(side);
    level->tiles.resize(static_cast<std::size_t>(side) * side);
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            level->tiles[static_cast<std::size_t>(column) + static_cast<std::size_t>(side) * row] =
                real.tiles[static_cast<std::size_t>(column % real.width) +
                           static_cast<std::size_t>(real.width) * (row % real.height)];
        }
    }
    return level;
}

// Resizes the window and waits for the X server's answer; false if it never
// came.
bool resizeWindow(GLFWwindow* window, int width, int height) {
    glfwSetWindowSize(window, width, height);
    for (int tries = 0; tries < 3000; ++tries) {
        int currentWidth = 0;
        int currentHeight = 0;
        glfwGetFramebufferSize(window, &currentWidth, &currentHeight);
        if (currentWidth == width && currentHeight == height) {
            glfwSwapBuffers(window);
            glfwPollEvents();
            return true;
        }
        glfwWaitEventsTimeout(0.01);
    }
    return false;
}

// Frames of `level` around (px, py) in a width x height window, drawn as the
// game draws them, or straight into the window when `straight`.
void runFrames(benchmark::State& state, Level& level, int px, int py, int width = 512,
               int height = 384, bool straight = false) {
    GLFWwindow* window = benchWindow();
    if (window == nullptr) {
        state.SkipWithError("no display: run under Xvfb with DISPLAY set");
        return;
    }
    if (!resizeWindow(window, width, height)) {
        state.SkipWithError("the window was never resized");
        return;
    }
    Player player;
    player.x = static_cast<std::uint32_t>(px) << 8;
    player.y = static_cast<std::uint32_t>(py) << 8;
    World& world = World::instance();
    world.level = &level;
    world.player = &player;
    for ([[maybe_unused]] auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        if (straight) {
            clearFrame();
            drawScene(world);
        } else {
            drawFrame(world);
        }
        glfwSwapBuffers(window);
        // Count the frame as finished only once the renderer has drawn it.
        glFinish();
    }
    glfwPollEvents();
    world.level = nullptr;
    world.player = nullptr;
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// The floor under every frame: clearing and showing an empty one.
void BM_FrameEmpty(benchmark::State& state) {
    Level level;
    level.width = 0;
    level.height = 0;
    level.tiles.clear();
    runFrames(state, level, 20, 114);
}
BENCHMARK(BM_FrameEmpty)->Unit(benchmark::kMillisecond);

// The real level with the player at its start: four cells drawn.
void BM_FrameRealLevelAtStart(benchmark::State& state) {
    Level level;
    runFrames(state, level, 20, 114);
}
BENCHMARK(BM_FrameRealLevelAtStart)->Unit(benchmark::kMillisecond);

// The real level's worst place: six cells drawn.
void BM_FrameRealLevelMiddle(benchmark::State& state) {
    Level level;
    runFrames(state, level, 200, 300);
}
BENCHMARK(BM_FrameRealLevelMiddle)->Unit(benchmark::kMillisecond);

// Nine full cells around the middle of ever larger maps.
void BM_FrameTiledMap(benchmark::State& state) {
    const auto side = static_cast<int>(state.range(0));
    static std::unique_ptr<Level> level;
    if (level == nullptr || level->width != side) {
        level = tiledLevel(side);
    }
    runFrames(state, *level, 8 * side + 8, 8 * side + 8);
}
BENCHMARK(BM_FrameTiledMap)->Arg(40)->Arg(400)->Arg(2000)->Unit(benchmark::kMillisecond);

// The real level at the start in windows that are no whole step: 1000 x 750
// and 1920 x 1080 (pictures of 3 and 5 steps stretched), 200 x 150 (one step
// drawn in four pieces). Then 1000 x 750 drawn straight into the window, as
// before the picture and as the page still draws (seams and all).
void BM_FrameStretched(benchmark::State& state) {
    Level level;
    runFrames(state, level, 20, 114, static_cast<int>(state.range(0)),
              static_cast<int>(state.range(1)));
}
BENCHMARK(BM_FrameStretched)
    ->Args({1000, 750})
    ->Args({1920, 1080})
    ->Args({200, 150})
    ->Unit(benchmark::kMillisecond);

void BM_FrameStretchedStraight(benchmark::State& state) {
    Level level;
    runFrames(state, level, 20, 114, 1000, 750, true);
}
BENCHMARK(BM_FrameStretchedStraight)->Unit(benchmark::kMillisecond);

}  // namespace
