// A whole frame of the largest battle as the main loop runs it: the update,
// the drawing of scenery, people, bullets, effects and text into a 1024 x 768
// window, and the buffer swap, with OpenGL made to finish its work so that
// the time includes the rendering itself (Mesa's software renderer under a
// virtual display, with no vertical sync to wait for).
#include <GL/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>

#include "app/Application.h"
#include "app/GameState.h"
#include "battle/GamePlay.h"
#include "bench/BenchWindow.h"

namespace {

constexpr int kMostOfAKind = 99;
constexpr std::uint32_t kSeed = 20240607u;
// The battle is set up again after this many frames, so that the measured
// frames are those of a full field, before the war has thinned it out.
constexpr int kFramesPerBattle = 120;

// CPU time of the whole process so far, the renderer's threads included, in ms.
double processCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    constexpr double kMsPerSecond = 1000.0;
    constexpr double kMsPerMicrosecond = 0.001;
    return kMsPerSecond * static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           kMsPerMicrosecond * static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

// Shows `battle` through the main loop's own frame (Application::draw), then
// waits for the renderer and swaps.
void showFrame(Application& application, GameState* shown) {
    GameState* title = application.currentState;
    application.currentState = shown;
    application.draw();
    application.currentState = title;
    glFinish();
    SDL_GL_SwapBuffers();
}

void BM_BattleFrameWithDrawing(benchmark::State& state) {
    Application& application = benchWindow();
    GamePlay* battle = nullptr;
    int frames = 0;
    const double cpuBefore = processCpuMs();
    for (auto _ : state) {
        if (frames % kFramesPerBattle == 0) {
            state.PauseTiming();
            delete battle;
            battle = new GamePlay(&application,
                                  {kMostOfAKind, kMostOfAKind, kMostOfAKind, kMostOfAKind}, kSeed);
            state.ResumeTiming();
        }
        showFrame(application, battle);
        ++frames;
    }
    state.counters["process_cpu_ms"] = (processCpuMs() - cpuBefore) / frames;
    state.counters["people_at_start"] = 4 * kMostOfAKind + 1;
    delete battle;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_BattleFrameWithDrawing)->Unit(benchmark::kMillisecond)->Iterations(600);

// The same frame with nothing but the field: grass, mounds and brick piles,
// the floor under the whole frame's cost (run beside it for the ratio).
class SceneryOnly : public GameState {
  public:
    explicit SceneryOnly(GamePlay* battle) : battle(battle) {}
    void draw() override { battle->drawScenery(); }
    void keyDown(const SDL_keysym& /*key*/) override {}

  private:
    GamePlay* battle;
};

void BM_SceneryOnlyFrame(benchmark::State& state) {
    Application& application = benchWindow();
    GamePlay battle(&application, {0, 0, 0, 0}, kSeed);
    SceneryOnly scenery(&battle);
    const double cpuBefore = processCpuMs();
    for (auto _ : state) {
        showFrame(application, &scenery);
    }
    state.counters["process_cpu_ms"] =
        (processCpuMs() - cpuBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SceneryOnlyFrame)->Unit(benchmark::kMillisecond)->Iterations(600);

}  // namespace
