// A peace keeper walking, fetching and laying bricks in a real battle.
#include <gtest/gtest.h>

#include <vector>

#include "battle/Bullet.h"
#include "battle/GamePlay.h"
#include "people/PeaceKeeper.h"
#include "people/Person.h"
#include "people/Random.h"
#include "tests/support/GlWindow.h"

namespace {

class PeaceKeeperBattleTest : public testing::Test {
  protected:
    PeaceKeeperBattleTest() : battle(new GamePlay(&window.application, {0, 0, 0, 0}, 8)) {
        keeper = new PeaceKeeper(battle, &battle->random);
        person.setBehaviour(keeper);
    }
    ~PeaceKeeperBattleTest() override { delete battle; }

    // On the centre line with both bricks, at height y.
    void readyAt(float y) {
        person.setPosition(480.0f, y);
        keeper->hasLeftBrick = true;
        keeper->hasRightBrick = true;
    }

    void fireAt(float y) { battle->addBullet(false, y); }

    GlWindow window{320, 240};
    GamePlay* battle;
    Person person;
    PeaceKeeper* keeper;
};

TEST_F(PeaceKeeperBattleTest, WalksToTheCentreLineAndPicksBricksUpOnlyThere) {
    person.setPosition(96.0f, 200.0f);
    for (int tick = 1; tick <= 191; ++tick) {
        person.tick();
        ASSERT_EQ(person.x, 96.0f + 2.0f * static_cast<float>(tick));
        ASSERT_FALSE(keeper->hasLeftBrick) << "tick " << tick << ": not yet on the line";
    }
    EXPECT_EQ(person.x, 478.0f);
    EXPECT_EQ(person.y, 0.0f) << "it reached the bottom edge long ago, and stays clamped";
    person.tick();
    EXPECT_EQ(person.x, 480.0f);
    EXPECT_TRUE(keeper->hasLeftBrick);
    EXPECT_TRUE(keeper->hasRightBrick);

    person.setPosition(864.0f, 600.0f);
    keeper->hasLeftBrick = keeper->hasRightBrick = false;
    for (int tick = 0; tick < 191; ++tick) {
        person.tick();
    }
    EXPECT_EQ(person.x, 482.0f);
    person.tick();
    EXPECT_EQ(person.x, 480.0f);
    EXPECT_EQ(person.y, 704.0f);
    EXPECT_TRUE(keeper->hasLeftBrick);
}

TEST_F(PeaceKeeperBattleTest, FetchesDownwardFromTheMiddleHeightAndUpwardAboveIt) {
    person.setPosition(480.0f, 384.0f);
    person.tick();
    EXPECT_EQ(person.y, 382.0f);
    person.setPosition(480.0f, 384.5f);
    person.tick();
    EXPECT_EQ(person.y, 386.5f);
    person.setPosition(480.0f, 1.0f);
    person.tick();
    EXPECT_EQ(person.y, 0.0f) << "clamped while fetching";
    EXPECT_TRUE(keeper->hasLeftBrick);
}

TEST_F(PeaceKeeperBattleTest, PicksUpStrictlyInsideTheZones) {
    for (float y : {92.0f, 672.0f}) {
        person.setPosition(480.0f, y);
        person.tick();
        EXPECT_FALSE(keeper->hasLeftBrick) << "arrives at " << person.y;
    }
    for (float y : {91.0f, 673.0f}) {
        person.setPosition(480.0f, y);
        person.tick();
        EXPECT_TRUE(keeper->hasLeftBrick) << "arrives at " << person.y;
        keeper->hasLeftBrick = keeper->hasRightBrick = false;
    }
}

TEST_F(PeaceKeeperBattleTest, ABulletWithinThreeUnitsIsMetWhereItStands) {
    readyAt(300.0f);
    fireAt(303.0f);
    person.tick();
    EXPECT_EQ(person.y, 300.0f);
    EXPECT_EQ(battle->leftBricks, std::vector<float>{300.0f});
    EXPECT_EQ(battle->rightBricks, std::vector<float>{300.0f});
    EXPECT_FALSE(keeper->hasLeftBrick);
    EXPECT_FALSE(keeper->hasRightBrick);
}

TEST_F(PeaceKeeperBattleTest, ABulletFourUnitsAwayIsFollowed) {
    readyAt(300.0f);
    fireAt(304.0f);
    person.tick();
    EXPECT_EQ(person.y, 302.0f);
    EXPECT_TRUE(battle->leftBricks.empty());
    readyAt(300.0f);
    battle->bullets[0]->y = 296.0f;
    person.tick();
    EXPECT_EQ(person.y, 298.0f);
    EXPECT_EQ(keeper->brickTimer, 32) << "the timer rests while bullets fly";
}

TEST_F(PeaceKeeperBattleTest, OffTheCentreLineItStepsEvenOntoABullet) {
    person.setPosition(470.0f, 300.0f);
    keeper->hasLeftBrick = keeper->hasRightBrick = true;
    fireAt(300.0f);
    person.tick();
    EXPECT_EQ(person.x, 472.0f);
    EXPECT_EQ(person.y, 302.0f);
    EXPECT_TRUE(battle->leftBricks.empty());
}

TEST_F(PeaceKeeperBattleTest, OnATieTheEarlierBulletIsFollowed) {
    readyAt(300.0f);
    fireAt(310.0f);
    fireAt(290.0f);
    person.tick();
    EXPECT_EQ(person.y, 302.0f);

    readyAt(300.0f);
    battle->bullets[0]->y = 290.0f;
    battle->bullets[1]->y = 310.0f;
    person.tick();
    EXPECT_EQ(person.y, 298.0f);

    readyAt(300.0f);
    battle->bullets[0]->y = 310.0f;
    battle->bullets[1]->y = 291.0f;
    person.tick();
    EXPECT_EQ(person.y, 298.0f) << "a strictly nearer later bullet wins";
}

TEST_F(PeaceKeeperBattleTest, AWallWithABrickAtThatHeightGetsOnlyTheOtherOne) {
    battle->addBrick(false, 300.0f);
    EXPECT_TRUE(battle->testBrick(false, 300.0f));
    EXPECT_FALSE(battle->testBrick(true, 300.0f));
    EXPECT_FALSE(battle->testBrick(false, 300.5f));
    readyAt(300.0f);
    fireAt(300.0f);
    person.tick();
    EXPECT_EQ(battle->leftBricks, std::vector<float>{300.0f});
    EXPECT_EQ(battle->rightBricks, std::vector<float>{300.0f});
    EXPECT_TRUE(keeper->hasLeftBrick) << "kept for later";
    EXPECT_FALSE(keeper->hasRightBrick);

    fireAt(300.0f);
    battle->bullets.front()->y = 301.5f;
    person.setPosition(480.0f, 301.5f);
    person.tick();
    EXPECT_EQ(battle->leftBricks, (std::vector<float>{300.0f, 301.5f}));
    EXPECT_FALSE(keeper->hasLeftBrick);
}

TEST_F(PeaceKeeperBattleTest, PatrolsAndLaysOnItsTimerWhileNoBulletFlies) {
    readyAt(300.0f);
    keeper->brickTimer = 2;
    person.tick();
    person.tick();
    EXPECT_EQ(person.y, 296.0f);
    EXPECT_EQ(keeper->brickTimer, 0);
    EXPECT_TRUE(battle->leftBricks.empty());
    Random expected(battle->random.state);
    person.tick();
    EXPECT_EQ(person.y, 294.0f);
    EXPECT_EQ(battle->leftBricks, std::vector<float>{294.0f}) << "laid at the new height";
    EXPECT_EQ(battle->rightBricks, std::vector<float>{294.0f});
    EXPECT_EQ(keeper->brickTimer, static_cast<int>(expected.nextFloat() * 180.0f + 60.0f));

    person.tick();
    EXPECT_EQ(person.y, 292.0f) << "empty-handed it fetches again, downwards from here";
}

TEST_F(PeaceKeeperBattleTest, APatrolTurnsOnlyOnceItHasOvershotTheField) {
    readyAt(0.0f);
    keeper->brickTimer = 1000;
    person.tick();
    EXPECT_EQ(person.y, -2.0f);
    EXPECT_TRUE(keeper->patrolUp);
    person.tick();
    EXPECT_EQ(person.y, 0.0f);

    readyAt(704.0f);
    person.tick();
    EXPECT_EQ(person.y, 706.0f);
    EXPECT_FALSE(keeper->patrolUp);
    person.tick();
    EXPECT_EQ(person.y, 704.0f);
}

}  // namespace
