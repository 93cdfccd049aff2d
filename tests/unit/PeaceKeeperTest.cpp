#include "people/PeaceKeeper.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "people/Civilian.h"
#include "people/Person.h"
#include "people/Random.h"
#include "scores/GameCounter.h"
#include "tests/support/SeedSearch.h"

namespace {

class PeaceKeeperTest : public testing::Test {
  protected:
    void SetUp() override { GameCounter::getInstance()->reset(); }
};

TEST_F(PeaceKeeperTest, StartsEmptyHandedWithItsFirstAttemptIn32FramesAndDrawsNothing) {
    Random random(3);
    PeaceKeeper keeper(nullptr, &random);
    EXPECT_FALSE(keeper.hasLeftBrick);
    EXPECT_FALSE(keeper.hasRightBrick);
    EXPECT_FALSE(keeper.patrolUp);
    EXPECT_EQ(keeper.brickTimer, 32);
    EXPECT_EQ(random.state, 3u);
}

// Gives up when the draw beats 0.5 with nobody left, 0.95 with one relative
// left and 0.9 with more, as a civilian of its person's side.
TEST_F(PeaceKeeperTest, ADeathMayMakeItGiveUpDependingOnTheFamilyLeft) {
    struct Case {
        float low;
        float high;
        std::size_t familyLeft;
        bool givesUp;
    };
    const Case cases[] = {{0.0f, 0.5f, 0, false}, {0.5f, 0.9f, 0, true},  {0.9f, 0.95f, 1, false},
                          {0.95f, 1.0f, 1, true}, {0.5f, 0.9f, 3, false}, {0.9f, 0.95f, 2, true}};
    for (const Case& c : cases) {
        GameCounter::getInstance()->reset();
        Person person;
        person.setSide(true);
        person.alert = 0;
        std::vector<Person> relatives(c.familyLeft + 1);
        for (Person& relative : relatives) {
            person.addFamilyMember(&relative, false);
        }
        Random chance(seedWithDraws({{c.low, c.high}}));
        const std::uint32_t seed = chance.state;
        person.setBehaviour(new PeaceKeeper(nullptr, &chance));
        person.removeFamilyMember(&relatives.front());

        auto* civilian = dynamic_cast<Civilian*>(person.behaviour);
        EXPECT_EQ(civilian != nullptr, c.givesUp)
            << "draw in (" << c.low << ", " << c.high << "], family " << c.familyLeft;
        if (c.givesUp && civilian != nullptr) {
            EXPECT_TRUE(civilian->side) << "the person's side";
            EXPECT_EQ(chance.state, seed + 1u + 5u);
            EXPECT_EQ(GameCounter::getInstance()->getCount("Became Civilian"), -1);
            EXPECT_EQ(person.alert, 0) << "no alert circle";
        } else {
            EXPECT_EQ(chance.state, seed + 1u);
            EXPECT_EQ(GameCounter::getInstance()->getCount("Became Civilian"), 0);
        }
    }
}

TEST_F(PeaceKeeperTest, ARescueChangesNothingAndDrawsNothing) {
    Random random(11);
    Person person;
    auto* keeper = new PeaceKeeper(nullptr, &random);
    person.setBehaviour(keeper);
    person.saved();
    EXPECT_EQ(person.behaviour, keeper);
    EXPECT_EQ(random.state, 11u);
}

}  // namespace
