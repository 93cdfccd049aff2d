#include "people/Fighter.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "people/Civilian.h"
#include "people/PeaceKeeper.h"
#include "people/Person.h"
#include "people/Random.h"
#include "scores/GameCounter.h"
#include "tests/support/SeedSearch.h"

namespace {

// These cases never fire, so the fighters need no battle.
class FighterTest : public testing::Test {
  protected:
    void SetUp() override { GameCounter::getInstance()->reset(); }

    // A fighter on a person at (x, y) that will neither fire, turn nor stop
    // fighting for a long while.
    Fighter* place(bool side, float x, float y, bool goingUp) {
        auto* fighter = new Fighter(&random, nullptr, side);
        person.setBehaviour(fighter);
        person.setPosition(x, y);
        person.setSide(side);
        fighter->goingUp = goingUp;
        fighter->fireTimer = 100000;
        fighter->turnTimer = 100000;
        fighter->fightTimer = 100000;
        return fighter;
    }

    static int count(const char* name) { return GameCounter::getInstance()->getCount(name); }

    Random random{99};
    Person person;
};

TEST_F(FighterTest, TheConstructorDrawsFireTurnDirectionAndFightInThisOrder) {
    Random expected(5);
    Random drawn(5);
    {
        Fighter fighter(&drawn, nullptr, false);
        EXPECT_EQ(fighter.fireTimer, static_cast<int>(expected.nextFloat() * 240.0f) + 60);
        EXPECT_EQ(fighter.turnTimer, static_cast<int>(expected.nextFloat() * 32.0f));
        EXPECT_EQ(fighter.goingUp, expected.nextFloat() > 0.5f);
        EXPECT_EQ(fighter.fightTimer, static_cast<int>(expected.nextFloat() * 4000.0f) + 2000);
        EXPECT_EQ(drawn.state, 5u + 4u);
        EXPECT_EQ(count("Fighter"), 1);
        Fighter second(&drawn, nullptr, true);
        EXPECT_EQ(count("Fighter"), 2);
    }
    EXPECT_EQ(count("Fighter"), 0) << "each destroyed fighter takes its one away";
}

TEST_F(FighterTest, WalksOneUnitAFrameToItsLineAndStaysThere) {
    place(false, 96.0f, 300.0f, true);
    for (int tick = 1; tick <= 63; ++tick) {
        person.tick();
        ASSERT_EQ(person.x, 96.0f + static_cast<float>(tick));
    }
    EXPECT_EQ(person.x, 159.0f);
    person.tick();
    EXPECT_EQ(person.x, 160.0f) << "placed on the line once at 159";
    person.tick();
    EXPECT_EQ(person.x, 160.0f);

    place(true, 864.0f, 300.0f, true);
    for (int tick = 1; tick <= 63; ++tick) {
        person.tick();
    }
    EXPECT_EQ(person.x, 801.0f);
    person.tick();
    EXPECT_EQ(person.x, 800.0f);
    for (int tick = 0; tick < 10; ++tick) {
        person.tick();
    }
    EXPECT_EQ(person.x, 800.0f);
}

TEST_F(FighterTest, FromBetweenTheUnitsItStillLandsExactlyOnTheLine) {
    place(false, 157.75f, 300.0f, true);
    person.tick();
    EXPECT_EQ(person.x, 158.75f);
    person.tick();
    EXPECT_EQ(person.x, 159.75f) << "below 159: one more step";
    person.tick();
    EXPECT_EQ(person.x, 160.0f);

    place(true, 802.25f, 300.0f, true);
    person.tick();
    EXPECT_EQ(person.x, 801.25f);
    person.tick();
    EXPECT_EQ(person.x, 800.25f) << "above 801: one more step";
    person.tick();
    EXPECT_EQ(person.x, 800.0f);
}

TEST_F(FighterTest, PacesOneUnitAFrameAndTurnsAtTheEdges) {
    Fighter* fighter = place(false, 160.0f, 1.0f, false);
    person.tick();
    EXPECT_EQ(person.y, 0.0f);
    EXPECT_TRUE(fighter->goingUp);
    person.tick();
    EXPECT_EQ(person.y, 1.0f);

    fighter = place(false, 160.0f, 703.0f, true);
    person.tick();
    EXPECT_EQ(person.y, 704.0f);
    EXPECT_FALSE(fighter->goingUp);
    person.tick();
    EXPECT_EQ(person.y, 703.0f);
}

TEST_F(FighterTest, TheTurnTimerFlipsTheDirectionAndReloadsFrom32To160) {
    Fighter* fighter = place(true, 800.0f, 300.0f, true);
    fighter->turnTimer = 1;
    person.tick();
    EXPECT_EQ(person.y, 301.0f);
    EXPECT_EQ(fighter->turnTimer, 0);
    Random expected(random.state);
    person.tick();
    EXPECT_FALSE(fighter->goingUp);
    EXPECT_EQ(person.y, 300.0f) << "the flip applies to the same tick's step";
    EXPECT_EQ(fighter->turnTimer, static_cast<int>(expected.nextFloat() * 128.0f) + 32);
}

TEST_F(FighterTest, AFightTimerOfFMakesACivilianOnTheTickAfterF) {
    Fighter* fighter = place(true, 800.0f, 300.0f, true);
    fighter->fightTimer = 3;
    for (int tick = 0; tick < 3; ++tick) {
        person.tick();
        ASSERT_NE(dynamic_cast<Fighter*>(person.behaviour), nullptr) << "tick " << tick;
    }
    EXPECT_EQ(person.y, 303.0f);
    Random expected(random.state);
    person.tick();
    auto* civilian = dynamic_cast<Civilian*>(person.behaviour);
    ASSERT_NE(civilian, nullptr);
    EXPECT_TRUE(civilian->side);
    EXPECT_EQ(person.y, 303.0f) << "nothing else happens on that tick";
    EXPECT_EQ(person.x, 800.0f);
    EXPECT_EQ(civilian->speedX, expected.nextFloat() - 0.5f) << "the civilian draws right away";
    EXPECT_EQ(person.getAlert(), 120);
    EXPECT_EQ(person.circleColour[0], 1.0f);
    EXPECT_EQ(person.circleColour[1], 1.0f);
    EXPECT_EQ(person.circleColour[2], 0.0f);
    EXPECT_EQ(count("Fighter"), 0);
    EXPECT_EQ(count("Became Civilian"), 0) << "laying down arms by itself earns nothing";
}

TEST_F(FighterTest, DeathsInTheFamilyEachLengthenTheFight) {
    Fighter* fighter = place(false, 160.0f, 300.0f, true);
    fighter->fightTimer = 10;
    Person relative;
    person.addFamilyMember(&relative, false);
    person.addFamilyMember(&relative, false);
    Random expected(random.state);
    person.removeFamilyMember(&relative);
    person.removeFamilyMember(&relative);
    const int first = static_cast<int>(expected.nextFloat() * 4000.0f);
    const int second = static_cast<int>(expected.nextFloat() * 4000.0f);
    EXPECT_EQ(fighter->fightTimer, 10 + first + second);
    EXPECT_EQ(dynamic_cast<Fighter*>(person.behaviour), fighter);
}

TEST_F(FighterTest, ARescueAboveThreeQuartersMakesACivilian) {
    Random chance(seedWithDraws({{0.75f, 1.0f}, {0.0f, 1.0f}}));
    const std::uint32_t seed = chance.state;
    person.setBehaviour(new Fighter(&chance, nullptr, true));
    chance.state = seed;
    person.saved();
    auto* civilian = dynamic_cast<Civilian*>(person.behaviour);
    ASSERT_NE(civilian, nullptr);
    EXPECT_TRUE(civilian->side);
    EXPECT_EQ(chance.state, seed + 1u + 5u) << "one decision, then the civilian's five";
    EXPECT_EQ(count("Became Civilian"), 1);
    EXPECT_EQ(count("Fighter"), 0);
    EXPECT_EQ(person.getAlert(), 120);
    EXPECT_EQ(person.circleColour[2], 0.0f) << "yellow";
}

TEST_F(FighterTest, ARescueRarelyMakesAPeaceKeeperOnTheSecondDraw) {
    Random chance(seedWithDraws({{0.0f, 0.75f}, {0.99f, 1.0f}}));
    const std::uint32_t seed = chance.state;
    person.setBehaviour(new Fighter(&chance, nullptr, false));
    chance.state = seed;
    person.saved();
    ASSERT_NE(dynamic_cast<PeaceKeeper*>(person.behaviour), nullptr);
    EXPECT_EQ(chance.state, seed + 2u);
    EXPECT_EQ(count("Became PeaceKeeper"), 2);
    EXPECT_EQ(count("Became Civilian"), 0);
    EXPECT_EQ(count("Fighter"), 0);
    EXPECT_EQ(person.circleColour[0], 0.5f) << "light blue";
    EXPECT_EQ(person.circleColour[2], 1.0f);
}

TEST_F(FighterTest, OtherwiseARescueLeavesTheFighterAfterTwoDraws) {
    Random chance(seedWithDraws({{0.7f, 0.75f}, {0.9f, 0.99f}}));
    const std::uint32_t seed = chance.state;
    auto* fighter = new Fighter(&chance, nullptr, false);
    person.setBehaviour(fighter);
    chance.state = seed;
    person.saved();
    EXPECT_EQ(person.behaviour, fighter);
    EXPECT_EQ(chance.state, seed + 2u);
    EXPECT_EQ(count("Fighter"), 1);
    EXPECT_EQ(person.alert, 0);
}

}  // namespace
