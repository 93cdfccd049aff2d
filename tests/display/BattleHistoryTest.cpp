// Battles replayed from fixed seeds, with the player's keys scripted, must go
// through exactly the states recorded in tests/display/reference/: every
// frame's whole state (BattleSnapshot) is folded into a running hash, written
// out every 100 frames. A change to how the battle finds its collisions, or any
// other rework of the update, must leave this history untouched.
//
// TRUCEWARD_RECORD_REFERENCE=1 writes the history anew instead of comparing
// (only ever from code known to be right).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "battle/GamePlay.h"
#include "tests/display/BattleSnapshot.h"
#include "tests/support/GlWindow.h"

namespace {

constexpr int kFrames = 10000;
constexpr int kFramesPerLine = 100;
// After the war, a little of its aftermath, then the next battle.
constexpr int kFramesAfterTheWar = 100;
constexpr std::uint32_t kFirstSeed = 20261208u;

// The largest battle first, then smaller ones, as long as frames are left.
const StartNumbers kBattles[] = {
    {99, 99, 99, 99}, {40, 12, 25, 20}, {10, 30, 60, 5}, {99, 3, 99, 3}};

std::uint64_t fold(std::uint64_t hash, const std::string& text) {
    constexpr std::uint64_t kPrime = 1099511628211ull;
    for (const unsigned char byte : text) {
        hash = (hash ^ byte) * kPrime;
    }
    return hash;
}

SDL_keysym key(SDLKey sym) {
    SDL_keysym pressed{};
    pressed.sym = sym;
    return pressed;
}

// The player walks the whole centre line up and down (reaching both piles)
// and keeps laying bricks on both walls.
void playerKeys(GamePlay& battle, int frame) {
    constexpr int kWalk = 400;
    constexpr int kLeftBrickEvery = 37;
    constexpr int kRightBrickEvery = 53;
    if (frame % (2 * kWalk) == 0) {
        battle.keyUp(key(SDLK_DOWN));
        battle.keyDown(key(SDLK_UP));
    } else if (frame % (2 * kWalk) == kWalk) {
        battle.keyUp(key(SDLK_UP));
        battle.keyDown(key(SDLK_DOWN));
    }
    if (frame % kLeftBrickEvery == 0) {
        battle.keyDown(key(SDLK_z));
    }
    if (frame % kRightBrickEvery == 0) {
        battle.keyDown(key(SDLK_x));
    }
}

std::string history() {
    GlWindow window(64, 48);
    std::ostringstream lines;
    std::uint64_t hash = 14695981039346656037ull;
    int frame = 0;
    for (int index = 0; frame < kFrames; ++index) {
        GamePlay battle(&window.application,
                        kBattles[index % (sizeof kBattles / sizeof kBattles[0])],
                        kFirstSeed + static_cast<std::uint32_t>(index));
        int afterTheWar = 0;
        for (int local = 0; frame < kFrames && afterTheWar < kFramesAfterTheWar; ++local) {
            playerKeys(battle, local);
            battle.update();
            battle.advanceUnseen();
            battle.cleanUp();
            hash = fold(hash, BattleSnapshot::of(battle));
            ++frame;
            if (frame % kFramesPerLine == 0) {
                lines << frame << " " << index << " " << battle.people.size() << " " << std::hex
                      << std::setw(16) << std::setfill('0') << hash << std::dec << "\n";
            }
            if (battle.warOver) {
                ++afterTheWar;
            }
        }
    }
    return lines.str();
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(BattleHistory, TenThousandFramesMatchTheRecordedHistoryFrameForFrame) {
    const std::string path = std::string(TRUCEWARD_TEST_REFERENCE_DIR) + "/battle-history.txt";
    const std::string now = history();
    if (std::getenv("TRUCEWARD_RECORD_REFERENCE") != nullptr) {
        std::ofstream(path) << now;
        GTEST_SKIP() << "recorded " << path;
    }
    std::ifstream file(path);
    ASSERT_TRUE(file.good()) << "no recorded history at " << path;
    std::stringstream recorded;
    recorded << file.rdbuf();
    const std::vector<std::string> expected = splitLines(recorded.str());
    const std::vector<std::string> actual = splitLines(now);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        // "frame battle people hash": the first line that differs says in
        // which hundred frames the battles parted.
        ASSERT_EQ(actual[i], expected[i]) << "the battles part within these 100 frames";
    }
}

}  // namespace
