// How a battle populates the field and links families, replayed draw by draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <set>
#include <vector>

#include "battle/GamePlay.h"
#include "people/Civilian.h"
#include "people/Fighter.h"
#include "people/Person.h"
#include "people/PlayerControlled.h"
#include "people/Random.h"
#include "scores/GameCounter.h"
#include "tests/display/BattleSnapshot.h"
#include "tests/support/GlWindow.h"

namespace {

struct Numbers {
    int leftCivilians;
    int leftFighters;
    int rightCivilians;
    int rightFighters;
    int people() const { return 1 + leftCivilians + leftFighters + rightCivilians + rightFighters; }
    // A civilian draws x, y and five values of its own; a fighter y and four.
    std::uint32_t placingDraws() const {
        return static_cast<std::uint32_t>(7 * (leftCivilians + rightCivilians) +
                                          5 * (leftFighters + rightFighters));
    }
};

// A draw times the bound, truncated, with a draw of exactly 1 kept inside.
int pick(Random& draws, int bound) {
    const int value = static_cast<int>(draws.nextFloat() * static_cast<float>(bound));
    return std::min(value, bound - 1);
}

// The families by index in `people`, formed by the rule from the draws that
// follow the placing: one pass per person of a side of more than five, each
// drawing a target of 0 .. 5 relatives and picking relatives of its own side
// (never itself, never twice in one pass) until its family reaches the target.
struct ExpectedFamilies {
    std::vector<std::vector<int>> family;
    std::uint32_t finalState;
};

ExpectedFamilies expectedFamilies(std::uint32_t seed, const Numbers& numbers) {
    Random draws(seed + numbers.placingDraws());
    ExpectedFamilies expected{std::vector<std::vector<int>>(numbers.people()), 0};
    auto formSide = [&](int first, int size) {
        if (size <= 5) {
            return;
        }
        for (int i = first; i < first + size; ++i) {
            const int target = pick(draws, 6);
            std::set<int> chosen;
            while (static_cast<int>(expected.family[i].size()) < target) {
                const int j = first + pick(draws, size);
                if (j == i || chosen.count(j) != 0) {
                    continue;
                }
                chosen.insert(j);
                expected.family[i].push_back(j);
                expected.family[j].push_back(i);
            }
        }
    };
    formSide(1, numbers.leftCivilians + numbers.leftFighters);
    formSide(1 + numbers.leftCivilians + numbers.leftFighters,
             numbers.rightCivilians + numbers.rightFighters);
    expected.finalState = draws.state;
    return expected;
}

class BattleSetUpTest : public testing::Test {
  protected:
    ~BattleSetUpTest() override { delete battle; }

    void start(const Numbers& numbers, std::uint32_t seed) {
        delete battle;
        battle = new GamePlay(&window.application,
                              {numbers.leftCivilians, numbers.leftFighters, numbers.rightCivilians,
                               numbers.rightFighters},
                              seed);
    }

    int indexOf(const Person* person) const {
        return static_cast<int>(std::find(battle->people.begin(), battle->people.end(), person) -
                                battle->people.begin());
    }

    std::vector<int> familyOf(int index) const {
        std::vector<int> indices;
        for (const Person* relative : battle->people[index]->family) {
            indices.push_back(indexOf(relative));
        }
        return indices;
    }

    void expectFamiliesByTheRule(const Numbers& numbers, std::uint32_t seed) {
        start(numbers, seed);
        const ExpectedFamilies expected = expectedFamilies(seed, numbers);
        ASSERT_EQ(static_cast<int>(battle->people.size()), numbers.people());
        const int leftEnd = 1 + numbers.leftCivilians + numbers.leftFighters;
        for (int i = 0; i < numbers.people(); ++i) {
            EXPECT_EQ(familyOf(i), expected.family[i]) << "person " << i << ", seed " << seed;
            for (int relative : familyOf(i)) {
                ASSERT_NE(relative, 0) << "the player's person has no family";
                EXPECT_EQ(relative < leftEnd, i < leftEnd) << "a link across the sides";
                EXPECT_EQ(battle->people[relative]->side, battle->people[i]->side);
                const auto& theirs = battle->people[relative]->family;
                const auto& mine = battle->people[i]->family;
                EXPECT_EQ(std::count(theirs.begin(), theirs.end(), battle->people[i]),
                          std::count(mine.begin(), mine.end(), battle->people[relative]))
                    << "links go both ways, as often";
            }
        }
        EXPECT_EQ(battle->random.state, expected.finalState) << "no draw more, no draw less";
    }

    GlWindow window{320, 240};
    GamePlay* battle = nullptr;
};

TEST_F(BattleSetUpTest, OneOfEachGivesFivePeopleInOrderWithoutFamilies) {
    GameCounter::getInstance()->incrementCount("Killed", -5);
    const std::uint32_t seed = 1234;
    start({1, 1, 1, 1}, seed);
    Random draws(seed);

    ASSERT_EQ(battle->people.size(), 5u);
    const Person* player = battle->people[0];
    EXPECT_EQ(player->behaviour, battle->player);
    EXPECT_NE(dynamic_cast<PlayerControlled*>(player->behaviour), nullptr);
    EXPECT_EQ(player->x, 480.0f);
    EXPECT_EQ(player->y, 352.0f);

    const Person* leftCivilian = battle->people[1];
    EXPECT_EQ(leftCivilian->x, 160.0f * draws.nextFloat());
    EXPECT_EQ(leftCivilian->y, 704.0f * draws.nextFloat());
    EXPECT_FALSE(leftCivilian->side);
    const auto* civilian = dynamic_cast<const Civilian*>(leftCivilian->behaviour);
    ASSERT_NE(civilian, nullptr);
    EXPECT_FALSE(civilian->side);
    EXPECT_EQ(civilian->speedX, draws.nextFloat() - 0.5f) << "the behaviour draws after y";
    for (int i = 0; i < 4; ++i) {
        draws.nextFloat();
    }

    const Person* leftFighter = battle->people[2];
    EXPECT_EQ(leftFighter->x, 160.0f);
    EXPECT_EQ(leftFighter->y, 704.0f * draws.nextFloat());
    EXPECT_FALSE(leftFighter->side);
    const auto* fighter = dynamic_cast<const Fighter*>(leftFighter->behaviour);
    ASSERT_NE(fighter, nullptr);
    EXPECT_FALSE(fighter->side);
    EXPECT_EQ(fighter->fireTimer, static_cast<int>(draws.nextFloat() * 240.0f) + 60);
    for (int i = 0; i < 3; ++i) {
        draws.nextFloat();
    }

    const Person* rightCivilian = battle->people[3];
    EXPECT_EQ(rightCivilian->x, 864.0f + 160.0f * draws.nextFloat());
    EXPECT_EQ(rightCivilian->y, 704.0f * draws.nextFloat());
    EXPECT_TRUE(rightCivilian->side);
    ASSERT_NE(dynamic_cast<const Civilian*>(rightCivilian->behaviour), nullptr);
    EXPECT_TRUE(dynamic_cast<const Civilian*>(rightCivilian->behaviour)->side);
    for (int i = 0; i < 5; ++i) {
        draws.nextFloat();
    }

    const Person* rightFighter = battle->people[4];
    EXPECT_EQ(rightFighter->x, 800.0f);
    EXPECT_EQ(rightFighter->y, 704.0f * draws.nextFloat());
    EXPECT_TRUE(rightFighter->side);
    ASSERT_NE(dynamic_cast<const Fighter*>(rightFighter->behaviour), nullptr);
    EXPECT_TRUE(dynamic_cast<const Fighter*>(rightFighter->behaviour)->side);
    for (int i = 0; i < 4; ++i) {
        draws.nextFloat();
    }

    EXPECT_EQ(battle->random.state, draws.state) << "sides of two form no families: no draw";
    for (const Person* person : battle->people) {
        EXPECT_TRUE(person->family.empty());
    }
    EXPECT_EQ(GameCounter::getInstance()->getCount("Fighter"), 3);
    EXPECT_EQ(GameCounter::getInstance()->getCount("Killed"), 0) << "the counters start afresh";
    EXPECT_FALSE(battle->warOver);
    EXPECT_EQ(battle->time, 0.0f);
    EXPECT_TRUE(battle->bullets.empty());
    EXPECT_TRUE(battle->leftBricks.empty());
    EXPECT_TRUE(battle->rightBricks.empty());
}

TEST_F(BattleSetUpTest, ASideOfSixFormsFamiliesAndASideOfFiveNone) {
    const Numbers numbers{4, 2, 3, 2};
    expectFamiliesByTheRule(numbers, 31337);
    int leftLinks = 0;
    for (int i = 1; i <= 6; ++i) {
        leftLinks += static_cast<int>(battle->people[i]->family.size());
    }
    EXPECT_GT(leftLinks, 0);
    for (int i = 7; i <= 11; ++i) {
        EXPECT_TRUE(battle->people[i]->family.empty()) << "person " << i;
    }
}

TEST_F(BattleSetUpTest, FamiliesFollowTheRuleAndStayWithinTheirSide) {
    expectFamiliesByTheRule({10, 3, 20, 4}, 7);
    expectFamiliesByTheRule({2, 1, 30, 5}, 8);
    expectFamiliesByTheRule({30, 5, 1, 1}, 9);
    expectFamiliesByTheRule({99, 99, 99, 99}, 10);
}

TEST_F(BattleSetUpTest, APairPickedInBothPassesIsListedTwice) {
    // Among these seeds some person picks a relative that had picked it in an
    // earlier pass; the rule keeps both links.
    bool seenTwice = false;
    for (std::uint32_t seed = 1; seed <= 20 && !seenTwice; ++seed) {
        expectFamiliesByTheRule({8, 0, 0, 0}, seed);
        for (const Person* person : battle->people) {
            for (const Person* relative : person->family) {
                seenTwice = seenTwice ||
                            std::count(person->family.begin(), person->family.end(), relative) > 1;
            }
        }
    }
    EXPECT_TRUE(seenTwice);
}

TEST_F(BattleSetUpTest, ADrawOfExactlyOneKeepsTheTargetReachable) {
    // Six left fighters take 30 draws; the 31st, the first person's target,
    // comes from counter 5750295, whose draw is exactly 1.
    const std::uint32_t seed = 5750295u - 31u;
    Random probe(seed + 30u);
    ASSERT_EQ(probe.nextFloat(), 1.0f);
    expectFamiliesByTheRule({0, 6, 0, 0}, seed);
    EXPECT_GE(battle->people[1]->family.size(), 5u) << "a target of 5, all the others";
}

TEST_F(BattleSetUpTest, ADrawOfExactlyOneKeepsTheRelativeInsideTheSide) {
    // Here the 32nd draw, the first person's first pick, is exactly 1.
    const std::uint32_t seed = 5750295u - 32u;
    Random probe(seed + 30u);
    ASSERT_GE(probe.nextFloat() * 6.0f, 1.0f) << "the first person wants relatives";
    ASSERT_EQ(probe.nextFloat(), 1.0f);
    expectFamiliesByTheRule({0, 6, 0, 0}, seed);
    ASSERT_FALSE(battle->people[1]->family.empty());
    EXPECT_EQ(battle->people[1]->family[0], battle->people[6]) << "the side's last person";
}

TEST_F(BattleSetUpTest, TheSameSeedGivesTheSameSetUp) {
    start({12, 4, 9, 3}, 4242);
    const std::string first = BattleSnapshot::of(*battle);
    start({12, 4, 9, 3}, 4242);
    EXPECT_EQ(BattleSnapshot::of(*battle), first);
    start({12, 4, 9, 3}, 4243);
    EXPECT_NE(BattleSnapshot::of(*battle), first);
}

TEST_F(BattleSetUpTest, TheStartingConstructorSeedsWithTheTime) {
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    battle = new GamePlay(&window.application, {1, 1, 1, 1});
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    const std::uint32_t seed = battle->random.state - Numbers{1, 1, 1, 1}.placingDraws();
    EXPECT_GE(seed, before);
    EXPECT_LE(seed, after);
    EXPECT_EQ(battle->numbers.leftCivilians, 1);
    EXPECT_EQ(battle->numbers.rightFighters, 1);
}

TEST_F(BattleSetUpTest, WithoutFightersTheWarNeverEnds) {
    start({3, 0, 3, 0}, 5);
    EXPECT_EQ(GameCounter::getInstance()->getCount("Fighter"), 1);
    for (int frame = 0; frame < 300; ++frame) {
        battle->update();
        battle->advanceUnseen();
        battle->cleanUp();
    }
    EXPECT_FALSE(battle->warOver);
    EXPECT_EQ(battle->time, 300.0f);
}

TEST_F(BattleSetUpTest, DestroyingTheBattleLeavesTheCountersAsTheyAre) {
    start({2, 3, 2, 4}, 6);
    GameCounter* counter = GameCounter::getInstance();
    EXPECT_EQ(counter->getCount("Fighter"), 8);
    counter->incrementCount("Killed", -2);
    delete battle;
    battle = nullptr;
    EXPECT_EQ(counter->getCount("Fighter"), 1) << "each deleted fighter took its one away";
    EXPECT_EQ(counter->getCount("Killed"), -2);
    counter->incrementCount("Fighter", 0);
    EXPECT_EQ(counter->counters["Fighter"]->receivers.size(), 0u) << "no battle listens any more";
}

}  // namespace
