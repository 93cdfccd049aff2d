#include "people/Civilian.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "people/Fighter.h"
#include "people/PeaceKeeper.h"
#include "people/Person.h"
#include "people/Random.h"
#include "scores/GameCounter.h"
#include "tests/support/SeedSearch.h"

namespace {

// Civilians never touch the battle but to hand it on, so none is needed here.
class CivilianTest : public testing::Test {
  protected:
    void SetUp() override { GameCounter::getInstance()->reset(); }

    // A civilian of the side on a person at (x, y), with the given speeds held
    // steady (targets equal to speeds) and a wander timer that stays away.
    Civilian* place(bool side, float x, float y, float speedX, float speedY) {
        auto* civilian = new Civilian(&random, nullptr, side);
        person.setBehaviour(civilian);
        person.setPosition(x, y);
        person.setSide(side);
        civilian->speedX = civilian->targetSpeedX = speedX;
        civilian->speedY = civilian->targetSpeedY = speedY;
        civilian->wanderTimer = 1000;
        return civilian;
    }

    static int count(const char* name) { return GameCounter::getInstance()->getCount(name); }

    Random random{2024};
    Person person;
};

TEST_F(CivilianTest, TheConstructorDrawsBothSpeedsBothTargetsThenTheTimer) {
    Random expected(77);
    Random drawn(77);
    Civilian civilian(&drawn, nullptr, true);
    EXPECT_EQ(civilian.speedX, expected.nextFloat() - 0.5f);
    EXPECT_EQ(civilian.speedY, expected.nextFloat() - 0.5f);
    EXPECT_EQ(civilian.targetSpeedX, expected.nextFloat() - 0.5f);
    EXPECT_EQ(civilian.targetSpeedY, expected.nextFloat() - 0.5f);
    EXPECT_EQ(civilian.wanderTimer, static_cast<int>(expected.nextFloat() * 32.0f));
    EXPECT_EQ(drawn.state, 77u + 5u);
    EXPECT_TRUE(civilian.side);
    EXPECT_EQ(civilian.person, nullptr);
}

TEST_F(CivilianTest, SteadySpeedsMoveInAStraightLineWithoutDrawing) {
    Civilian* civilian = place(false, 40.0f, 300.0f, 0.25f, -0.125f);
    const std::uint32_t before = random.state;
    civilian->tick();
    civilian->tick();
    EXPECT_EQ(person.x, 41.0f);
    EXPECT_EQ(person.y, 299.5f);
    EXPECT_EQ(civilian->speedX, 0.25f);
    EXPECT_EQ(civilian->speedY, -0.125f);
    EXPECT_EQ(civilian->wanderTimer, 998);
    EXPECT_EQ(random.state, before);
}

TEST_F(CivilianTest, SpeedsEaseAnEighthOfAPercentTowardsTheirTargetsAndSnapWhenClose) {
    Civilian* civilian = place(false, 40.0f, 300.0f, 0.0f, 0.1f);
    civilian->targetSpeedX = 0.5f;
    civilian->targetSpeedY = 0.105f;
    civilian->tick();
    EXPECT_EQ(civilian->speedX, 0.5f * 0.0078125f);
    EXPECT_EQ(civilian->speedY, 0.105f) << "0.005 away after easing: snapped";
    EXPECT_EQ(person.x, 40.0f + 2.0f * (0.5f * 0.0078125f));
    EXPECT_EQ(person.y, 300.0f + 2.0f * 0.105f);

    civilian->speedX = 0.2f;
    civilian->targetSpeedX = 0.195f;
    civilian->tick();
    EXPECT_EQ(civilian->speedX, 0.195f) << "from above too";
    civilian->speedX = 0.3f;
    civilian->targetSpeedX = 0.2f;
    civilian->tick();
    EXPECT_EQ(civilian->speedX, 0.3f + (0.2f - 0.3f) * 0.0078125f) << "still far: no snap";
}

TEST_F(CivilianTest, AnExpiredWanderTimerDrawsNewTargetsAndTimer) {
    Civilian* civilian = place(true, 900.0f, 300.0f, 0.0f, 0.0f);
    civilian->wanderTimer = 0;
    Random expected(random.state);
    civilian->tick();
    EXPECT_EQ(civilian->targetSpeedX, expected.nextFloat() - 0.5f);
    EXPECT_EQ(civilian->targetSpeedY, expected.nextFloat() - 0.5f);
    EXPECT_EQ(civilian->wanderTimer, static_cast<int>(expected.nextFloat() * 32.0f));
    EXPECT_EQ(random.state, expected.state);
}

TEST_F(CivilianTest, APersonOutsideItsStripIsPutOnItsEdgeOnTheFirstTick) {
    struct Case {
        bool side;
        float x;
        float expectedX;
    };
    // Set-up places left civilians up to x 160 and right ones up to 1024;
    // fighters turning civilian stand at 160 or 800, peace keepers at 480.
    const Case cases[] = {{false, 150.0f, 96.0f},  {false, 160.0f, 96.0f}, {false, 480.0f, 96.0f},
                          {true, 1020.0f, 960.0f}, {true, 800.0f, 864.0f}, {true, 480.0f, 864.0f}};
    for (const Case& c : cases) {
        Civilian* civilian = place(c.side, c.x, 300.0f, 0.4f, 0.0f);
        Random expected(random.state);
        const float targetY = 0.3f;
        civilian->targetSpeedY = targetY;
        civilian->speedY = targetY;
        civilian->tick();
        EXPECT_EQ(person.x, c.expectedX) << "from " << c.x;
        EXPECT_EQ(civilian->targetSpeedY, -targetY) << "the vertical target turns";
        const float inwards = c.expectedX == 96.0f || c.expectedX == 960.0f ? -0.5f : 0.5f;
        EXPECT_EQ(civilian->targetSpeedX, expected.nextFloat() * inwards) << "from " << c.x;
        EXPECT_EQ(civilian->speedX, 0.4f) << "only the target changes at a bound";
    }
}

TEST_F(CivilianTest, TheStripsEdgesAreInclusive) {
    Civilian* civilian = place(false, 0.5f, 300.0f, -0.25f, 0.0f);
    Random expected(random.state);
    civilian->tick();
    EXPECT_EQ(person.x, 0.0f);
    EXPECT_EQ(civilian->targetSpeedX, expected.nextFloat() * 0.5f);

    civilian = place(true, 864.5f, 300.0f, -0.25f, 0.0f);
    expected.state = random.state;
    civilian->tick();
    EXPECT_EQ(person.x, 864.0f) << "reaching 864 exactly counts as the bound";
    EXPECT_EQ(civilian->targetSpeedX, expected.nextFloat() * 0.5f);

    civilian = place(true, 900.0f, 300.0f, 0.25f, 0.0f);
    const std::uint32_t before = random.state;
    civilian->tick();
    EXPECT_EQ(person.x, 900.5f) << "inside: no draw";
    EXPECT_EQ(random.state, before);
}

TEST_F(CivilianTest, ReachingTheBottomOrTopGivesAnInwardVerticalTarget) {
    Civilian* civilian = place(false, 50.0f, 1.0f, 0.0f, -0.5f);
    Random expected(random.state);
    civilian->tick();
    EXPECT_EQ(person.y, 0.0f) << "exactly 0 after the move";
    EXPECT_EQ(civilian->targetSpeedY, expected.nextFloat() * 0.5f);

    civilian = place(false, 50.0f, 703.5f, 0.0f, 0.5f);
    expected.state = random.state;
    civilian->tick();
    EXPECT_EQ(person.y, 704.0f);
    EXPECT_EQ(civilian->targetSpeedY, expected.nextFloat() * -0.5f);
}

TEST_F(CivilianTest, ACornerDrawsForTheHorizontalBoundThenTheVertical) {
    Civilian* civilian = place(false, 0.5f, 0.5f, -0.5f, -0.5f);
    Random expected(random.state);
    civilian->tick();
    EXPECT_EQ(person.x, 0.0f);
    EXPECT_EQ(person.y, 0.0f);
    EXPECT_EQ(civilian->targetSpeedX, expected.nextFloat() * 0.5f);
    EXPECT_EQ(civilian->targetSpeedY, expected.nextFloat() * 0.5f)
        << "the vertical draw replaces the flipped target";
}

// A death makes a civilian take up arms when the draw beats 0.5 with nobody
// left, 0.95 with one relative left and 0.9 with more.
TEST_F(CivilianTest, ADeathMakesAFighterDependingOnTheFamilyLeft) {
    struct Case {
        float low;
        float high;
        std::size_t familyLeft;
        bool becomesFighter;
    };
    const Case cases[] = {
        {0.0f, 0.5f, 0, false},  {0.5f, 0.9f, 0, true},  {0.5f, 0.9f, 1, false},
        {0.9f, 0.95f, 1, false}, {0.95f, 1.0f, 1, true}, {0.5f, 0.9f, 2, false},
        {0.9f, 0.95f, 2, true},  {0.9f, 0.95f, 5, true}, {0.0f, 0.9f, 5, false},
    };
    for (const Case& c : cases) {
        GameCounter::getInstance()->reset();
        Person civilianPerson;
        std::vector<Person> relatives(c.familyLeft + 1);
        for (Person& relative : relatives) {
            civilianPerson.addFamilyMember(&relative, false);
        }
        Random chance(seedWithDraws({{c.low, c.high}}));
        const std::uint32_t seed = chance.state;
        civilianPerson.setBehaviour(new Civilian(&chance, nullptr, true));
        chance.state = seed;
        civilianPerson.removeFamilyMember(&relatives.back());

        auto* fighter = dynamic_cast<Fighter*>(civilianPerson.behaviour);
        EXPECT_EQ(fighter != nullptr, c.becomesFighter)
            << "draw in (" << c.low << ", " << c.high << "], family " << c.familyLeft;
        if (c.becomesFighter && fighter != nullptr) {
            EXPECT_TRUE(fighter->side) << "a fighter of the civilian's side";
            EXPECT_EQ(fighter->person, &civilianPerson);
            EXPECT_EQ(count("Became Fighter"), -1);
            EXPECT_EQ(count("Fighter"), 1);
            EXPECT_EQ(chance.state, seed + 5u) << "the decision, then the fighter's four";
            EXPECT_EQ(civilianPerson.alert, 0) << "no alert circle";
        } else {
            EXPECT_EQ(count("Became Fighter"), 0);
            EXPECT_EQ(chance.state, seed + 1u) << "exactly one draw for the decision";
        }
    }
}

TEST_F(CivilianTest, ARescueRarelyMakesAPeaceKeeper) {
    Random chance(seedWithDraws({{0.95f, 1.0f}}));
    const std::uint32_t seed = chance.state;
    person.setBehaviour(new Civilian(&chance, nullptr, false));
    chance.state = seed;
    person.saved();
    ASSERT_NE(dynamic_cast<PeaceKeeper*>(person.behaviour), nullptr)
        << "an unlinked civilian reacts to its own rescue";
    EXPECT_EQ(chance.state, seed + 1u) << "a peace keeper draws nothing";
    EXPECT_EQ(count("Became PeaceKeeper"), 2);
    EXPECT_EQ(person.getAlert(), 120);
    EXPECT_EQ(person.circleColour[0], 0.5f);
    EXPECT_EQ(person.circleColour[1], 0.5f);
    EXPECT_EQ(person.circleColour[2], 1.0f);
    EXPECT_EQ(person.circleColour[3], 1.0f);

    Person other;
    Random noChance(seedWithDraws({{0.9f, 0.95f}}));
    const std::uint32_t otherSeed = noChance.state;
    other.setBehaviour(new Civilian(&noChance, nullptr, false));
    noChance.state = otherSeed;
    other.saved();
    EXPECT_NE(dynamic_cast<Civilian*>(other.behaviour), nullptr);
    EXPECT_EQ(noChance.state, otherSeed + 1u);
    EXPECT_EQ(count("Became PeaceKeeper"), 2);
}

}  // namespace
