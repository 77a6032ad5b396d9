// Cost of one game tick of the player, in the three ways it is usually spent.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "app/input.hpp"
#include "characters/character.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

// A fresh player on the embedded level, standing on the grass at the start.
struct Scene {
    Level level;
    Player player;

    Scene() {
        playerMotion().velocityX = 0;
        playerMotion().velocityY = 0;
        playerMotion().onGround = 0;
        playerMotion().moving = 0;
        inputState() = {};
        World& world = World::instance();
        resetWorld(world);
        world.level = &level;
        world.player = &player;
        buildCellGrid(world);
        for (int i = 0; i < 10; ++i) {
            player.update();
        }
    }
    ~Scene() { resetWorld(World::instance()); }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;
};

void standing(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        scene.player.update();
        benchmark::DoNotOptimize(scene.player.x);
    }
}

// Back and forth in the cave above row 17, from wall to wall.
void running(benchmark::State& state) {
    Scene scene;
    scene.player.x = 100U << 8;
    scene.player.y = (17U * 16U - 13U) << 8;  // standing on row 17
    std::uint32_t n = 0;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        const bool right = (n++ / 128U) % 2U == 0U;
        inputState().firstInput.right = right ? 1 : 0;
        inputState().firstInput.left = right ? 0 : 1;
        scene.player.update();
        benchmark::DoNotOptimize(scene.player.x);
    }
}

// X held: a take-off every landing, so mostly airborne ticks.
void jumping(benchmark::State& state) {
    Scene scene;
    inputState().secondInput.keyX = 1;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        scene.player.update();
        benchmark::DoNotOptimize(scene.player.y);
    }
}

}  // namespace

BENCHMARK(standing);
BENCHMARK(running);
BENCHMARK(jumping);
