// A battle played through the keys records itself, and its recording, read
// back from a file, replays the very same battle. The replay committed beside
// the battle history (recorded from the scripted battle below) must play to
// the score it recorded and to the state it ended in, on every build: it is
// what a replay made by one build of the game and watched on another does.
//
// TRUCEWARD_RECORD_REFERENCE=1 records the committed replay anew (only ever
// from code known to be right, and only with a change of the battle's rules).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>

#include "battle/GamePlay.h"
#include "replay/Replay.h"
#include "replay/ReplayFeed.h"
#include "replay/ReplayFile.h"
#include "tests/display/BattleSnapshot.h"

namespace {

constexpr StartNumbers kNumbers = {12, 2, 12, 2};
constexpr std::uint32_t kSeed = 20261700u;
constexpr int kLongest = 12000;
constexpr int kPauseAt = 700;
constexpr int kStepsAfterTheWar = 30;

const std::string kReplayPath =
    std::string(TRUCEWARD_TEST_REFERENCE_DIR) + "/scripted-battle.twreplay";
const std::string kStatePath = std::string(TRUCEWARD_TEST_REFERENCE_DIR) + "/scripted-battle.txt";

std::string stateHash(const GamePlay& battle) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : BattleSnapshot::of(battle)) {
        hash = (hash ^ byte) * 1099511628211ull;
    }
    std::ostringstream text;
    text << std::hex << std::setw(16) << std::setfill('0') << hash;
    return text.str();
}

SDL_keysym key(SDLKey sym) {
    SDL_keysym pressed{};
    pressed.sym = sym;
    return pressed;
}

// The player walks the centre line up and down and lays bricks, also while
// paused (which the battle ignores), lets go of an arrow while paused (which
// it does not), and leaves the won war with Space.
void playScripted(GamePlay& battle) {
    int afterTheWar = 0;
    for (int step = 0; step < kLongest && afterTheWar < kStepsAfterTheWar; ++step) {
        if (step % 400 == 0) {
            battle.keyUp(key(SDLK_DOWN));
            battle.keyDown(key(SDLK_UP));
        } else if (step % 400 == 200) {
            battle.keyDown(key(SDLK_DOWN));
        }
        if (step % 37 == 0) {
            battle.keyDown(key(SDLK_z));
        }
        if (step % 53 == 0) {
            battle.keyDown(key(SDLK_x));
        }
        if (step == kPauseAt) {
            battle.keyDown(key(SDLK_p));
            battle.keyDown(key(SDLK_z));
            battle.keyUp(key(SDLK_DOWN));
            battle.keyDown(key(SDLK_p));
        }
        battle.update();
        battle.advanceUnseen();
        battle.cleanUp();
        afterTheWar += battle.warOver ? 1 : 0;
    }
    battle.input(battle.warOver ? BattleInput::LeaveWithSpace : BattleInput::LeaveWithEscape);
}

TEST(ScriptedReplay, ALiveBattleReplaysFromItsFileToTheSameStateAndScore) {
    GamePlay live(nullptr, kNumbers, kSeed);
    live.silent = true;
    playScripted(live);
    ASSERT_TRUE(live.recording->leftWithSpace()) << "the scripted war did not end";
    live.recording->score = ReplayFeed::score();
    const std::string liveState = BattleSnapshot::of(live);
    std::string reason;
    const std::string bytes = ReplayFile::encode(*live.recording, reason);
    EXPECT_LT(bytes.size(), 2048u) << "a replay of " << live.steps << " steps";

    Replay replay;
    ASSERT_TRUE(ReplayFile::decode(bytes, replay, reason)) << reason;
    GamePlay replayed(nullptr, replay.numbers, replay.seed);
    replayed.silent = true;
    ReplayFeed feed(replay, replayed);
    ASSERT_TRUE(feed.playToTheEnd()) << feed.failure();
    EXPECT_EQ(ReplayFeed::score(), replay.score);
    EXPECT_EQ(BattleSnapshot::of(replayed), liveState);

    if (std::getenv("TRUCEWARD_RECORD_REFERENCE") != nullptr) {
        std::ofstream(kReplayPath, std::ios::binary) << bytes;
        std::ofstream(kStatePath) << stateHash(replayed) << "\n";
    }
}

TEST(ScriptedReplay, TheCommittedReplayPlaysToItsRecordedScoreAndFinalState) {
    Replay replay;
    std::string reason;
    ASSERT_TRUE(ReplayFile::read(kReplayPath, replay, reason)) << reason;
    GamePlay battle(nullptr, replay.numbers, replay.seed);
    battle.silent = true;
    ReplayFeed feed(replay, battle);
    ASSERT_TRUE(feed.playToTheEnd()) << feed.failure();
    EXPECT_EQ(ReplayFeed::score(), replay.score);
    std::string recorded;
    std::ifstream(kStatePath) >> recorded;
    EXPECT_EQ(stateHash(battle), recorded) << "the battle ended otherwise than recorded";
}

}  // namespace
