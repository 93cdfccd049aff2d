// Fighters firing into a real battle.
#include <gtest/gtest.h>

#include <cstdint>

#include "battle/Bullet.h"
#include "battle/Effect.h"
#include "battle/GamePlay.h"
#include "people/Civilian.h"
#include "people/Fighter.h"
#include "people/Person.h"
#include "people/Random.h"
#include "scores/GameCounter.h"
#include "tests/support/GlWindow.h"

namespace {

class FighterBattleTest : public testing::Test {
  protected:
    FighterBattleTest() : battle(new GamePlay(&window.application, {0, 1, 0, 1}, 21)) {
        for (int i : {1, 2}) {
            fighter(i)->fireTimer = 100000;
            fighter(i)->turnTimer = 100000;
        }
    }
    ~FighterBattleTest() override { delete battle; }

    Fighter* fighter(int index) const {
        return dynamic_cast<Fighter*>(battle->people[index]->behaviour);
    }

    GlWindow window{320, 240};
    GamePlay* battle;
};

TEST_F(FighterBattleTest, FiresAcrossTheFieldFromItsHeightBeforeTheStep) {
    Person* person = battle->people[1];
    person->setPosition(100.0f, 300.0f);
    fighter(1)->goingUp = true;
    fighter(1)->fireTimer = 0;
    Random expected(battle->random.state);
    person->tick();
    ASSERT_EQ(battle->bullets.size(), 1u);
    EXPECT_FALSE(battle->bullets[0]->side);
    EXPECT_EQ(battle->bullets[0]->x, 210.0f) << "from the muzzle, not from the fighter";
    EXPECT_EQ(battle->bullets[0]->y, 300.0f);
    ASSERT_EQ(battle->shotBangs.size(), 1u);
    EXPECT_EQ(battle->shotBangs[0]->x, 186.0f);
    EXPECT_EQ(battle->shotBangs[0]->y, 300.0f);
    EXPECT_EQ(fighter(1)->fireTimer, static_cast<int>(expected.nextFloat() * 240.0f) + 60);
    EXPECT_EQ(person->x, 101.0f) << "firing while walking to the line";
    EXPECT_EQ(person->y, 301.0f);

    battle->people[2]->setPosition(800.0f, 500.0f);
    fighter(2)->fireTimer = 0;
    battle->people[2]->tick();
    ASSERT_EQ(battle->bullets.size(), 2u);
    EXPECT_TRUE(battle->bullets[1]->side);
    EXPECT_EQ(battle->bullets[1]->x, 800.0f);
    EXPECT_EQ(battle->shotBangs[1]->x, 780.0f);
}

TEST_F(FighterBattleTest, AReloadOfTFiresAgainTPlusOneTicksLater) {
    Person* person = battle->people[1];
    fighter(1)->fireTimer = 0;
    person->tick();
    const int reload = fighter(1)->fireTimer;
    EXPECT_GE(reload, 60);
    EXPECT_LE(reload, 300);
    int ticks = 0;
    while (battle->bullets.size() == 1u && ticks < 1000) {
        person->tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, reload + 1);
}

TEST_F(FighterBattleTest, AFighterAtTheEndOfItsFightDoesNotFire) {
    fighter(1)->fightTimer = 0;
    fighter(1)->fireTimer = 0;
    battle->people[1]->tick();
    EXPECT_NE(dynamic_cast<Civilian*>(battle->people[1]->behaviour), nullptr);
    EXPECT_TRUE(battle->bullets.empty());
}

TEST_F(FighterBattleTest, TheLastFighterSavedIntoACivilianEndsTheWarAtOnce) {
    delete battle->people[2];
    battle->people.pop_back();
    ASSERT_FALSE(battle->warOver);
    // The fighter at (900, 290) in the line of a left bullet that a brick
    // stops; the rescue's draw is above 0.75.
    battle->people[1]->setPosition(900.0f, 290.0f);
    std::uint32_t state = battle->random.state;
    for (;; ++state) {
        Random probe(state);
        if (probe.nextFloat() > 0.75f) {
            break;
        }
    }
    battle->random.state = state;
    battle->addBrick(false, 300.0f);
    battle->addBullet(false, 306.0f);
    battle->bullets[0]->x = 450.0f;
    battle->collisionDetection();
    EXPECT_NE(dynamic_cast<Civilian*>(battle->people[1]->behaviour), nullptr);
    EXPECT_TRUE(battle->warOver);
    EXPECT_EQ(GameCounter::getInstance()->getCount("Became Civilian"), 1);
    EXPECT_EQ(GameCounter::getInstance()->getCount("Saved by Brick"), 1);
}

}  // namespace
