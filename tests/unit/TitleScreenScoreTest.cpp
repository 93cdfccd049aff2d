// The score a finished battle files, from the game counters, and when it is
// filed at all. Expected numbers are worked out by hand from the rule: a won
// war shorter than 5000 frames with a positive sum s scores s * (5000 - t).
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "scores/GameCounter.h"
#include "scores/HighScoresLoader.h"
#include "tests/support/CaptureStdout.h"
#include "tests/support/TableKey.h"
#include "tests/support/TempHome.h"
#include "title/BattleScore.h"

namespace {

TEST(TitleScreenScoreTest, QuickWinsMultiplyThePositiveSum) {
    EXPECT_EQ(battleScore(4, 900), 16400);
    EXPECT_EQ(battleScore(7, 4999), 7);
    EXPECT_EQ(battleScore(7, 1), 34993);
    EXPECT_EQ(battleScore(1, 4000), 1000);
}

TEST(TitleScreenScoreTest, OtherwiseThePlainSumIsFiled) {
    EXPECT_EQ(battleScore(4, 5000), 4);
    EXPECT_EQ(battleScore(4, 7000), 4);
    EXPECT_EQ(battleScore(4, 0), 4) << "a war left with Escape has no length";
    EXPECT_EQ(battleScore(-2, 900), -2);
    EXPECT_EQ(battleScore(0, 900), 0);
}

TEST(TitleScreenScoreTest, ProductIsTakenInSinglePrecision) {
    // 3357 * 4999 = 16781643, odd and above 2^24, where single precision
    // only holds even numbers: it lies halfway between 16781642 and 16781644
    // and rounds to the one with the even mantissa, 16781644 (= 2 * 8390822).
    EXPECT_EQ(battleScore(3357, 1), 16781644);
}

// The counters are one process-wide table: each test starts from zeros, and
// the test that needs none at all lends them out and takes them back.
class TitleScreenFilingTest : public testing::Test {
  protected:
    void SetUp() override { counters->reset(); }

    TempHome home;
    CaptureStdout quiet;
    GameCounter* counters = GameCounter::getInstance();
};

TEST_F(TitleScreenFilingTest, SumAndLengthOfTheWarAreFiledUnderTheKey) {
    counters->incrementCount("Saved by Brick", 6);
    counters->incrementCount("Killed", -1);
    counters->incrementCount("Fighter", 1);
    counters->incrementCount("Time", 4000);
    HighScoresLoader table;
    fileLastBattle(table, tableKey(10, 20, 3, 4));
    // (6 - 1) * (5000 - 4000)
    EXPECT_EQ(table.getScore(tableKey(10, 20, 3, 4)), 5000);
    EXPECT_EQ(table.scores.size(), 1u);
}

TEST_F(TitleScreenFilingTest, WarLeftWithEscapeFilesThePlainSum) {
    counters->incrementCount("Killed", -3);
    counters->incrementCount("Became PeaceKeeper", 2);
    HighScoresLoader table;
    fileLastBattle(table, tableKey(1, 1, 1, 1));
    EXPECT_EQ(table.getScore(tableKey(1, 1, 1, 1)), -1);
    ASSERT_EQ(table.scores.size(), 1u) << "a negative score is filed all the same";
}

TEST_F(TitleScreenFilingTest, BetterStoredScoreStays) {
    counters->incrementCount("Saved by Brick", 1);
    counters->incrementCount("Time", 4990);
    HighScoresLoader table;
    table.setScore(tableKey(5, 6, 7, 8), 11);
    fileLastBattle(table, tableKey(5, 6, 7, 8));
    EXPECT_EQ(table.getScore(tableKey(5, 6, 7, 8)), 11);
    counters->incrementCount("Saved by Brick", 1);
    fileLastBattle(table, tableKey(5, 6, 7, 8));
    EXPECT_EQ(table.getScore(tableKey(5, 6, 7, 8)), 20);
}

TEST_F(TitleScreenFilingTest, NothingIsFiledBeforeTheFirstBattle) {
    std::map<std::string, GameCounter::Counter*> lent;
    lent.swap(counters->counters);
    HighScoresLoader table;
    table.setScore(tableKey(32, 32, 2, 2), 7);
    fileLastBattle(table, tableKey(32, 32, 2, 2));
    fileLastBattle(table, tableKey(1, 2, 3, 4));
    lent.swap(counters->counters);
    EXPECT_EQ(table.scores.size(), 1u);
    EXPECT_EQ(table.getScore(tableKey(32, 32, 2, 2)), 7);
}

TEST_F(TitleScreenFilingTest, AZeroScoreIsFiledOnceAnyCounterExists) {
    // The battle's own bookkeeping counter is enough: the war happened.
    counters->incrementCount("Fighter", 0);
    HighScoresLoader table;
    fileLastBattle(table, tableKey(2, 2, 2, 2));
    ASSERT_EQ(table.scores.size(), 1u);
    EXPECT_EQ(table.getScore(tableKey(2, 2, 2, 2)), 0);
}

}  // namespace
