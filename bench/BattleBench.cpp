// The cost of one frame's update of the largest battle the title screen
// allows: 99 civilians and 99 fighters a side and the player's person, with
// many bullets in flight. The battle's text drawer needs an OpenGL context,
// so the benchmarks' window is opened (run under a display, e.g. xvfb-run).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "battle/Bullet.h"
#include "battle/Field.h"
#include "battle/GamePlay.h"
#include "bench/BenchWindow.h"

namespace {

constexpr int kMostOfAKind = 99;
constexpr std::uint32_t kSeed = 20240607u;
// Bullets are spread over the field's height and along their flight between
// the two muzzles.
constexpr float kFieldHeight = Field::kTop;
constexpr float kFlightStart = Bullet::kLeftMuzzleX;
constexpr float kFlightSpan = Bullet::kRightMuzzleX - Bullet::kLeftMuzzleX;

// A fresh battle with `count` bullets in flight, alternately from either side.
GamePlay* battleWithBullets(int count) {
    auto* battle =
        new GamePlay(nullptr, {kMostOfAKind, kMostOfAKind, kMostOfAKind, kMostOfAKind}, kSeed);
    for (int i = 0; i < count; ++i) {
        const bool side = i % 2 == 1;
        const float share = static_cast<float>(i) / static_cast<float>(count);
        battle->addBullet(side, kFieldHeight * share);
        Bullet* bullet = battle->bullets.back();
        const float travelled =
            kFlightSpan * static_cast<float>((i * 37) % count) / static_cast<float>(count);
        bullet->x = side ? kFlightStart + kFlightSpan - travelled : kFlightStart + travelled;
    }
    return battle;
}

void BM_BattleUpdateAtTheLargestPopulation(benchmark::State& state) {
    benchWindow();
    const int bullets = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        GamePlay* battle = battleWithBullets(bullets);
        state.ResumeTiming();
        battle->update();
        state.PauseTiming();
        benchmark::DoNotOptimize(battle->people.size());
        delete battle;
        state.ResumeTiming();
    }
    state.counters["people"] = 397;
    state.counters["bullets"] = bullets;
}
BENCHMARK(BM_BattleUpdateAtTheLargestPopulation)
    ->Arg(0)
    ->Arg(64)
    ->Arg(100)
    ->Arg(256)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(300);

}  // namespace
