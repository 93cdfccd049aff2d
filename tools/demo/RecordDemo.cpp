// Records the game's demonstration: a battle of the title's first numbers,
// from a fixed seed, played by the ScriptedPlayer until the war is over (and
// left with Space a moment later) or for at most two minutes (and left with
// Escape). The battle is the game's own, run unseen and unheard; the file is
// the same on every run, and on every build of the same rules.
//
// Usage: truceward_record_demo OUTPUT   (writes the replay file to OUTPUT)
#include <cstdio>
#include <fstream>
#include <string>

#include "battle/GamePlay.h"
#include "battle/ScriptedPlayer.h"
#include "replay/Replay.h"
#include "replay/ReplayFeed.h"
#include "replay/ReplayFile.h"

namespace {

constexpr StartNumbers kNumbers = {32, 2, 32, 2};
constexpr std::uint32_t kSeed = 20261211;
constexpr int kLongestSteps = 60 * 120;
// After the war, a moment of its aftermath before leaving.
constexpr int kAftermathSteps = 60 * 3;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    GamePlay battle(nullptr, kNumbers, kSeed);
    battle.silent = true;
    ScriptedPlayer player;
    int afterTheWar = 0;
    for (int step = 0; step < kLongestSteps && afterTheWar < kAftermathSteps; ++step) {
        player.play(battle);
        battle.update();
        battle.advanceUnseen();
        battle.cleanUp();
        afterTheWar += battle.warOver ? 1 : 0;
    }
    battle.input(battle.warOver ? BattleInput::LeaveWithSpace : BattleInput::LeaveWithEscape);
    Replay& replay = *battle.recording;
    replay.score = ReplayFeed::score();
    std::string reason;
    const std::string bytes = ReplayFile::encode(replay, reason);
    if (bytes.empty()) {
        std::fprintf(stderr, "%s: no replay: %s\n", argv[0], reason.c_str());
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << bytes;
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("%s: %d %d %d %d, %u steps, score %d\n", argv[1], kNumbers.leftCivilians,
                kNumbers.rightCivilians, kNumbers.leftFighters, kNumbers.rightFighters,
                replay.steps, replay.score);
    return 0;
}
