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

#include "battle/GamePlay.h"
#include "bench/BenchWindow.h"

namespace {

constexpr int kMostOfAKind = 99;
constexpr std::uint32_t kSeed = 20240607u;
// The battle is set up again after this many frames, so that the measured
// frames are those of a full field, before the war has thinned it out.
constexpr int kFramesPerBattle = 120;

void BM_BattleFrameWithDrawing(benchmark::State& state) {
    Application& application = benchWindow();
    GamePlay* battle = nullptr;
    int frames = 0;
    for (auto _ : state) {
        if (frames % kFramesPerBattle == 0) {
            state.PauseTiming();
            delete battle;
            battle = new GamePlay(&application, kMostOfAKind, kMostOfAKind, kMostOfAKind,
                                  kMostOfAKind, kSeed);
            state.ResumeTiming();
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        battle->draw();
        glFinish();
        SDL_GL_SwapBuffers();
        ++frames;
    }
    state.counters["people_at_start"] = 4 * kMostOfAKind + 1;
    delete battle;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_BattleFrameWithDrawing)->Unit(benchmark::kMillisecond)->Iterations(600);

}  // namespace
