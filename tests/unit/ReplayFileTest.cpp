// The replay file: what it keeps comes back whole, and a file damaged or cut
// short anywhere, of other rules, or larger than any replay is refused with
// its reason.
#include "replay/ReplayFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "battle/GamePlay.h"
#include "scores/FilePath.h"

namespace {

// Every kind of input, steps apart by 0 to thousands (varints of one to
// three bytes), a negative score and a date before 1970.
Replay sample(int rulesVersion = GamePlay::kRulesVersion) {
    Replay replay({7, 3, 12, 99}, 0xDEADBEEFu, rulesVersion);
    std::uint32_t step = 0;
    for (int kind = 0; kind < kBattleInputKinds - 2; ++kind) {
        replay.add(step, static_cast<BattleInput>(kind));
        replay.add(step, static_cast<BattleInput>(kind));
        step += 15u << (3 * kind);
    }
    replay.add(step, BattleInput::LeaveWithSpace);
    replay.score = -123456789;
    replay.date = -86400;
    return replay;
}

TEST(ReplayFile, WhatItKeepsComesBackWhole) {
    const Replay written = sample();
    std::string reason;
    const std::string bytes = ReplayFile::encode(written, reason);
    Replay read;
    ASSERT_TRUE(ReplayFile::decode(bytes, read, reason)) << reason;
    EXPECT_EQ(read.rulesVersion, written.rulesVersion);
    EXPECT_TRUE(read.numbers == written.numbers);
    EXPECT_EQ(read.seed, written.seed);
    EXPECT_EQ(read.score, written.score);
    EXPECT_EQ(read.steps, written.steps);
    EXPECT_EQ(read.date, written.date);
    EXPECT_EQ(read.events, written.events);
    EXPECT_TRUE(read.leftWithSpace());
}

TEST(ReplayFile, AnyByteChangedOrCutOffIsFound) {
    std::string reason;
    const std::string bytes = ReplayFile::encode(sample(), reason);
    Replay read;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string changed = bytes;
            changed[at] = static_cast<char>(changed[at] ^ (1 << bit));
            EXPECT_FALSE(ReplayFile::decode(changed, read, reason)) << "byte " << at;
        }
        EXPECT_FALSE(ReplayFile::decode(bytes.substr(0, at), read, reason)) << at << " bytes";
    }
}

TEST(ReplayFile, OtherRulesAndFilesLargerThanAnyReplayAreRefusedInOneLine) {
    std::string reason;
    Replay read;
    EXPECT_FALSE(ReplayFile::decode(ReplayFile::encode(sample(2), reason), read, reason));
    EXPECT_EQ(reason, "recorded with battle rules 2, this game plays rules 1");

    const std::string path = getFilePath() + "/large.twreplay";
    std::string large = ReplayFile::encode(sample(), reason);
    large.resize(ReplayFile::kLargestFile + 1);
    std::ofstream(path, std::ios::binary) << large;
    EXPECT_FALSE(ReplayFile::read(path, read, reason));
    EXPECT_EQ(reason, "larger than 1 MiB, which no replay is");

    // Nor does the game write one: both brick keys at every step for hours.
    Replay busy({1, 1, 1, 1}, 1, GamePlay::kRulesVersion);
    const std::uint32_t steps = ReplayFile::kLargestFile / 2;
    for (std::uint32_t step = 0; step < steps; ++step) {
        busy.add(step, BattleInput::LeftBrick);
        busy.add(step, BattleInput::RightBrick);
    }
    busy.add(steps, BattleInput::LeaveWithEscape);
    EXPECT_EQ(ReplayFile::encode(busy, reason), "");
    EXPECT_EQ(reason, "larger than 1 MiB");
}

}  // namespace
