// `truceward --verify` of a replay of ten minutes of the largest battle the
// title screen allows (99 civilians and 99 fighters a side): the file read,
// checked and its battle played through from its input, as the option does
// it, without a window. The replay is recorded first from a battle whose
// player walks the centre line and lays bricks all along; it is left with
// Escape after ten minutes at the game's 60 steps a second. With
// TRUCEWARD_KEEP_REPLAY set to a path, the file is copied there (for
// bench/replay-rate.sh, which watches it in the real game).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "battle/GamePlay.h"
#include "replay/Replay.h"
#include "replay/ReplayFeed.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayVerifier.h"
#include "scores/FilePath.h"

namespace {

constexpr int kMostOfAKind = 99;
constexpr std::uint32_t kSeed = 20240607u;
constexpr std::uint32_t kTenMinutes = 10 * 60 * 60;
// The player turns every few seconds and presses a brick key every second.
constexpr std::uint32_t kWalk = 200;
constexpr std::uint32_t kBrickEvery = 60;

// The file of the replay, written once into the benchmarks' HOME.
const std::string& tenMinuteReplay() {
    static const std::string path = [] {
        GamePlay battle(nullptr, {kMostOfAKind, kMostOfAKind, kMostOfAKind, kMostOfAKind}, kSeed);
        battle.silent = true;
        for (std::uint32_t step = 0; step < kTenMinutes; ++step) {
            if (step % kWalk == 0) {
                battle.input(step % (2 * kWalk) == 0 ? BattleInput::UpPressed
                                                     : BattleInput::DownPressed);
            }
            if (step % kBrickEvery == 0) {
                battle.input(step % (2 * kBrickEvery) == 0 ? BattleInput::LeftBrick
                                                           : BattleInput::RightBrick);
            }
            battle.update();
            battle.advanceUnseen();
            battle.cleanUp();
        }
        battle.input(BattleInput::LeaveWithEscape);
        battle.recording->score = ReplayFeed::score();
        std::string reason;
        const std::string file = getFilePath() + "/ten-minutes.twreplay";
        const std::string bytes = ReplayFile::encode(*battle.recording, reason);
        std::ofstream(file, std::ios::binary) << bytes;
        if (const char* kept = std::getenv("TRUCEWARD_KEEP_REPLAY")) {
            std::ofstream(kept, std::ios::binary) << bytes;
        }
        return file;
    }();
    return path;
}

void BM_VerifyTenMinutesOfTheLargestBattle(benchmark::State& state) {
    const std::string& path = tenMinuteReplay();
    int score = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReplayVerifier::check(path, &score));
    }
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    state.counters["file_bytes"] = static_cast<double>(file.tellg());
}
BENCHMARK(BM_VerifyTenMinutesOfTheLargestBattle)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
