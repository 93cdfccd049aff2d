#include "scores/GameCounter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "scores/CounterNotification.h"

namespace {

struct Recorder : CounterNotification {
    void countReached(const std::string& name, int count) override {
        heard.emplace_back(name, count);
    }
    std::vector<std::pair<std::string, int>> heard;
};

// The counters are one process-wide table: every test starts from zeros and
// removes its registrations before its receivers go away.
class GameCounterTest : public testing::Test {
  protected:
    void SetUp() override { counter->reset(); }
    void TearDown() override {
        for (auto& entry : counter->counters) {
            entry.second->values.clear();
            entry.second->receivers.clear();
        }
    }
    GameCounter* counter = GameCounter::getInstance();
};

TEST_F(GameCounterTest, UnknownNameReadsZeroWithoutCreatingIt) {
    EXPECT_EQ(counter->getCount("never seen"), 0);
    EXPECT_EQ(counter->counters.count("never seen"), 0u);
}

TEST_F(GameCounterTest, ZeroDeltaCreatesTheCounterAndLeavesTheScore) {
    const int before = counter->getScore();
    counter->incrementCount("made by zero", 0);
    ASSERT_EQ(counter->counters.count("made by zero"), 1u);
    EXPECT_EQ(counter->getCount("made by zero"), 0);
    EXPECT_EQ(counter->getScore(), before);
}

TEST_F(GameCounterTest, ScoreLeavesOutFighterAndTime) {
    counter->incrementCount("Killed", -3);
    counter->incrementCount("Saved by Brick", 5);
    counter->incrementCount("Became PeaceKeeper", 2);
    counter->incrementCount("Fighter", 7);
    counter->incrementCount("Time", 900);
    EXPECT_EQ(counter->getScore(), 4);
}

TEST_F(GameCounterTest, ValueOneHearsEveryChangeWithTheNewCount) {
    Recorder battle;
    counter->incrementCount("Fighter", 3);
    counter->registerNotification("Fighter", 1, &battle);
    EXPECT_TRUE(battle.heard.empty()) << "registering must not notify";
    counter->incrementCount("Fighter", -1);
    counter->incrementCount("Fighter", -1);
    ASSERT_EQ(battle.heard.size(), 2u);
    EXPECT_EQ(battle.heard[0], std::make_pair(std::string("Fighter"), 2));
    EXPECT_EQ(battle.heard[1], std::make_pair(std::string("Fighter"), 1));
}

TEST_F(GameCounterTest, MultiplesIncludeNegativesZeroAndZeroDeltas) {
    Recorder even;
    counter->incrementCount("Steps", 1);
    counter->registerNotification("Steps", 2, &even);
    counter->incrementCount("Steps", 1);   // 2
    counter->incrementCount("Steps", 1);   // 3: not a multiple
    counter->incrementCount("Steps", 1);   // 4
    counter->incrementCount("Steps", 0);   // still 4: told again
    counter->incrementCount("Steps", -3);  // 1
    counter->incrementCount("Steps", -3);  // -2
    counter->incrementCount("Steps", 2);   // 0
    std::vector<int> counts;
    for (const auto& event : even.heard) {
        counts.push_back(event.second);
    }
    EXPECT_EQ(counts, (std::vector<int>{2, 4, 4, -2, 0}));
}

TEST_F(GameCounterTest, ResetKeepsRegistrationsAndDoesNotNotify) {
    Recorder receiver;
    counter->registerNotification("Fighter", 1, &receiver);
    counter->incrementCount("Fighter", 5);
    counter->incrementCount("Killed", -2);
    receiver.heard.clear();
    counter->reset();
    EXPECT_TRUE(receiver.heard.empty());
    EXPECT_EQ(counter->getCount("Fighter"), 0);
    EXPECT_EQ(counter->getCount("Killed"), 0);
    counter->incrementCount("Fighter", 1);
    ASSERT_EQ(receiver.heard.size(), 1u);
    EXPECT_EQ(receiver.heard[0].second, 1);
}

TEST_F(GameCounterTest, EachRegistrationNotifiesAndUnregisteringRemovesOne) {
    Recorder twice;
    Recorder other;
    counter->registerNotification("Fighter", 1, &twice);
    counter->registerNotification("Fighter", 1, &other);
    counter->registerNotification("Fighter", 1, &twice);
    counter->incrementCount("Fighter", 1);
    EXPECT_EQ(twice.heard.size(), 2u);
    EXPECT_EQ(other.heard.size(), 1u);

    counter->unregisterNotification("Fighter", 1, &twice);
    counter->incrementCount("Fighter", 1);
    EXPECT_EQ(twice.heard.size(), 3u);
    EXPECT_EQ(other.heard.size(), 2u);

    // Unknown names, values and receivers change nothing.
    counter->unregisterNotification("nobody registered here", 1, &twice);
    EXPECT_EQ(counter->counters.count("nobody registered here"), 0u);
    counter->unregisterNotification("Fighter", 1, &twice);
    counter->unregisterNotification("Fighter", 1, &other);
    counter->incrementCount("Fighter", 1);
    EXPECT_EQ(twice.heard.size(), 3u);
    EXPECT_EQ(other.heard.size(), 2u);
}

}  // namespace
