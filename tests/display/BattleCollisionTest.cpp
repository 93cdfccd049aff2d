// Bullets leaving the field, bricks stopping bullets and saving people,
// bullets killing people: the three phases of the collision detection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/Bullet.h"
#include "battle/Effect.h"
#include "battle/GamePlay.h"
#include "battle/Ghost.h"
#include "people/Person.h"
#include "scores/GameCounter.h"
#include "tests/display/BattleWitness.h"
#include "tests/support/GlWindow.h"

namespace {

SDL_keysym keyOf(SDLKey sym) {
    SDL_keysym key{};
    key.sym = sym;
    return key;
}

class BattleCollisionTest : public testing::Test {
  protected:
    BattleCollisionTest() : battle(new GamePlay(&window.application, {0, 0, 0, 0}, 1)) {}
    ~BattleCollisionTest() override { delete battle; }

    // An empty field: the player's person is taken away too.
    void clearField() {
        delete battle->people[0];
        battle->people.clear();
        battle->player = nullptr;
    }

    Person* witness(const std::string& name, bool side, float x, float y) {
        Person* person = BattleWitness::place(name, &log, side, x, y);
        battle->people.push_back(person);
        return person;
    }

    Bullet* fire(bool side, float x, float y) {
        battle->addBullet(side, y);
        battle->bullets.back()->x = x;
        return battle->bullets.back();
    }

    static int count(const char* name) { return GameCounter::getInstance()->getCount(name); }

    GlWindow window{320, 240};
    GamePlay* battle;
    std::vector<std::string> log;
};

TEST_F(BattleCollisionTest, BulletsLeaveAtTheEdgesOfTheField) {
    clearField();
    Bullet* at1052 = fire(false, 1052.0f, 100.0f);
    fire(false, 1056.0f, 100.0f);
    Bullet* at1055 = fire(false, 1055.5f, 100.0f);
    fire(true, -32.0f, 100.0f);
    Bullet* atMinus31 = fire(true, -31.5f, 100.0f);
    fire(true, -40.0f, 100.0f);
    battle->collisionDetection();
    EXPECT_EQ(battle->bullets, (std::vector<Bullet*>{at1052, at1055, atMinus31}));
    EXPECT_TRUE(battle->ghosts.empty());
    EXPECT_TRUE(battle->smokePffs.empty());
}

TEST_F(BattleCollisionTest, AnUnobstructedBulletLivesUntilItLeavesTheField) {
    clearField();
    // From the muzzle, 4 units a tick, until x >= 1056 (left) or x + 32 <= 0.
    int leftTicks = 0;
    for (float x = 210.0f; x < 1056.0f; x += 4.0f) {
        ++leftTicks;
    }
    int rightTicks = 0;
    for (float x = 800.0f; x + 32.0f > 0.0f; x -= 4.0f) {
        ++rightTicks;
    }
    ASSERT_EQ(leftTicks, 212);
    ASSERT_EQ(rightTicks, 208);

    for (bool side : {false, true}) {
        battle->addBullet(side, 300.0f);
        int frames = 0;
        while (!battle->bullets.empty() && frames < 1000) {
            battle->update();
            ++frames;
        }
        EXPECT_EQ(frames, side ? rightTicks : leftTicks) << (side ? "right" : "left");
    }
}

TEST_F(BattleCollisionTest, ABrickStopsExactlyOneBullet) {
    clearField();
    battle->addBrick(false, 300.0f);
    Bullet* first = fire(false, 450.0f, 300.0f);
    fire(false, 450.0f, 300.0f);
    battle->collisionDetection();
    EXPECT_EQ(battle->bullets, std::vector<Bullet*>{first}) << "the later bullet met it first";
    EXPECT_TRUE(battle->leftBricks.empty());
    ASSERT_EQ(battle->smokePffs.size(), 1u);
    EXPECT_EQ(battle->smokePffs[0]->x, 440.0f);
    EXPECT_EQ(battle->smokePffs[0]->y, 300.0f);
    EXPECT_EQ(count("Saved by Brick"), 0) << "nobody was in the line of fire";
    battle->collisionDetection();
    EXPECT_EQ(battle->bullets.size(), 1u);
}

TEST_F(BattleCollisionTest, TwoBricksAtOneHeightStopTwoBullets) {
    clearField();
    battle->addBrick(true, 300.0f);
    battle->addBrick(true, 300.0f);
    fire(true, 530.0f, 300.0f);
    fire(false, 530.0f, 300.0f);
    battle->collisionDetection();
    EXPECT_TRUE(battle->bullets.empty()) << "each wall stops bullets of both sides";
    EXPECT_TRUE(battle->rightBricks.empty());
    ASSERT_EQ(battle->smokePffs.size(), 2u);
    EXPECT_EQ(battle->smokePffs[0]->x, 520.0f);
}

TEST_F(BattleCollisionTest, OfOverlappingBricksTheFirstLaidIsUsed) {
    clearField();
    battle->addBrick(false, 300.0f);
    battle->addBrick(false, 290.0f);
    battle->addBrick(true, 310.0f);
    battle->addBrick(true, 300.0f);
    fire(false, 450.0f, 300.0f);
    fire(true, 530.0f, 300.0f);
    battle->collisionDetection();
    EXPECT_EQ(battle->leftBricks, std::vector<float>{290.0f});
    EXPECT_EQ(battle->rightBricks, std::vector<float>{300.0f});
    ASSERT_EQ(battle->smokePffs.size(), 2u);
    EXPECT_EQ(battle->smokePffs[0]->y, 310.0f) << "the last bullet is looked at first";
    EXPECT_EQ(battle->smokePffs[1]->y, 300.0f);
}

TEST_F(BattleCollisionTest, BoxesThatOnlyTouchLetTheBulletPass) {
    clearField();
    battle->addBrick(false, 300.0f);
    // The brick's box is (460, 309, 24, 46); the bullet's hit box x + 1 ..
    // x + 21, y + 11 .. y + 22.
    fire(false, 439.0f, 300.0f);
    fire(false, 450.0f, 287.0f);
    fire(false, 450.0f, 344.0f);
    fire(false, 484.0f, 300.0f);
    battle->collisionDetection();
    EXPECT_EQ(battle->bullets.size(), 4u);
    EXPECT_EQ(battle->leftBricks.size(), 1u);
    fire(false, 439.5f, 300.0f);
    battle->collisionDetection();
    EXPECT_EQ(battle->bullets.size(), 4u);
    EXPECT_TRUE(battle->leftBricks.empty());
}

TEST_F(BattleCollisionTest, ABrickStopsABulletThatAlsoTouchesAPerson) {
    clearField();
    Person* bystander = witness("bystander", false, 440.0f, 290.0f);
    battle->addBrick(false, 300.0f);
    fire(false, 450.0f, 300.0f);
    battle->collisionDetection();
    EXPECT_TRUE(battle->bullets.empty());
    EXPECT_EQ(battle->people, std::vector<Person*>{bystander});
    EXPECT_EQ(count("Killed"), 0);
}

TEST_F(BattleCollisionTest, TheFirstPersonInTheLineOfFireIsSavedThenItsFamilyHears) {
    clearField();
    Person* first = witness("first", true, 900.0f, 290.0f);
    witness("nearer", true, 700.0f, 284.0f);
    Person* relative = witness("relative", true, 950.0f, 600.0f);
    BattleWitness::relate(first, relative);
    battle->addBrick(false, 300.0f);
    fire(false, 450.0f, 300.0f);
    EXPECT_EQ(battle->savedByBrick(0), first);
    battle->collisionDetection();
    EXPECT_EQ(log, (std::vector<std::string>{"first saved", "relative saved"}));
    EXPECT_EQ(count("Saved by Brick"), 1);
    EXPECT_EQ(battle->people.size(), 3u);
}

TEST_F(BattleCollisionTest, ThePlayersPersonCanBeSavedAndComesFirst) {
    battle->people[0]->setPosition(480.0f, 300.0f);
    witness("behind", true, 900.0f, 300.0f);
    witness("further", false, 100.0f, 300.0f);
    battle->addBrick(true, 320.0f);
    fire(true, 530.0f, 316.0f);
    EXPECT_EQ(battle->savedByBrick(0), battle->people[0]);
    battle->collisionDetection();
    EXPECT_TRUE(battle->bullets.empty());
    EXPECT_TRUE(log.empty()) << "only the player's person, which ignores it, was saved";
    EXPECT_EQ(count("Saved by Brick"), 1);
}

TEST_F(BattleCollisionTest, EveryStoppedBulletSavesAgain) {
    clearField();
    witness("target", true, 900.0f, 290.0f);
    battle->addBrick(false, 300.0f);
    battle->addBrick(true, 300.0f);
    fire(false, 450.0f, 306.0f);
    fire(false, 530.0f, 306.0f);
    battle->collisionDetection();
    EXPECT_EQ(log, (std::vector<std::string>{"target saved", "target saved"}));
    EXPECT_EQ(count("Saved by Brick"), 2);
}

TEST_F(BattleCollisionTest, ABulletKillsTheFirstPersonInListOrderAndItsFamilyHears) {
    clearField();
    Person* victim = witness("victim", true, 600.0f, 290.0f);
    Person* next = witness("next", true, 601.0f, 295.0f);
    Person* once = witness("once", true, 950.0f, 100.0f);
    Person* twice = witness("twice", true, 950.0f, 500.0f);
    BattleWitness::relate(victim, twice);
    BattleWitness::relate(victim, once);
    BattleWitness::relate(victim, twice);
    fire(false, 600.0f, 300.0f);
    battle->collisionDetection();

    EXPECT_EQ(battle->people, (std::vector<Person*>{next, once, twice}));
    EXPECT_EQ(log, (std::vector<std::string>{"twice death", "once death", "twice death"}));
    EXPECT_TRUE(once->family.empty());
    EXPECT_TRUE(twice->family.empty());
    ASSERT_EQ(battle->ghosts.size(), 1u);
    EXPECT_EQ(battle->ghosts[0]->x, 600.0f);
    EXPECT_EQ(battle->ghosts[0]->y, 290.0f);
    EXPECT_EQ(battle->ghosts[0]->alpha, 1.0f);
    EXPECT_EQ(count("Killed"), -1);
    EXPECT_TRUE(battle->bullets.empty());

    fire(false, 600.0f, 300.0f);
    battle->collisionDetection();
    EXPECT_EQ(battle->people, (std::vector<Person*>{once, twice}));
    EXPECT_EQ(count("Killed"), -2);
}

TEST_F(BattleCollisionTest, EachBulletKillsAtMostOnePerson) {
    clearField();
    witness("a", false, 600.0f, 290.0f);
    witness("b", false, 600.0f, 290.0f);
    witness("c", false, 600.0f, 290.0f);
    fire(true, 600.0f, 300.0f);
    fire(true, 600.0f, 300.0f);
    battle->collisionDetection();
    EXPECT_EQ(battle->people.size(), 1u);
    EXPECT_EQ(count("Killed"), -2);
    EXPECT_EQ(battle->ghosts.size(), 2u);
}

TEST_F(BattleCollisionTest, AfterThePlayersPersonIsKilledTheKeysReachNobody) {
    fire(false, 490.0f, 360.0f);
    battle->collisionDetection();
    EXPECT_EQ(battle->player, nullptr);
    EXPECT_TRUE(battle->people.empty());
    ASSERT_EQ(battle->ghosts.size(), 1u);
    EXPECT_EQ(battle->ghosts[0]->x, 480.0f);
    EXPECT_EQ(battle->ghosts[0]->y, 352.0f);
    for (SDLKey sym : {SDLK_z, SDLK_x, SDLK_UP, SDLK_DOWN}) {
        battle->keyDown(keyOf(sym));
        battle->keyUp(keyOf(sym));
    }
    EXPECT_TRUE(battle->leftBricks.empty());
    EXPECT_TRUE(battle->rightBricks.empty());
}

TEST_F(BattleCollisionTest, KillingTheLastFighterEndsTheWarAndThePhaseGoesOn) {
    delete battle;
    battle = new GamePlay(&window.application, {0, 1, 0, 0}, 3);
    Person* fighter = battle->people[1];
    fighter->setPosition(160.0f, 100.0f);
    witness("bystander", true, 600.0f, 290.0f);
    fire(true, 600.0f, 300.0f);
    fire(true, 190.0f, 100.0f);
    battle->collisionDetection();
    EXPECT_TRUE(battle->warOver);
    EXPECT_EQ(log, std::vector<std::string>{}) << "the bystander had no family";
    EXPECT_EQ(battle->people.size(), 1u) << "the earlier bullet still killed";
    EXPECT_EQ(count("Killed"), -2);
    EXPECT_EQ(count("Fighter"), 1);
    EXPECT_TRUE(battle->bullets.empty());
}

TEST_F(BattleCollisionTest, EverybodyInALineOfFireGetsASteadyRedAlert) {
    clearField();
    Person* threatened = witness("threatened", true, 900.0f, 290.0f);
    Person* changed = witness("changed", true, 900.0f, 295.0f);
    Person* behind = witness("behind", false, 100.0f, 290.0f);
    Person* clear = witness("clear", true, 900.0f, 600.0f);
    changed->setCircleColour(0.5f, 0.5f, 1.0f, 1.0f);
    changed->setAlert(120);
    fire(false, 300.0f, 306.0f);
    battle->update();
    EXPECT_EQ(battle->bullets[0]->x, 304.0f);
    EXPECT_EQ(threatened->alert, 21);
    EXPECT_EQ(threatened->circleColour[0], 1.0f);
    EXPECT_EQ(threatened->circleColour[1], 0.0f);
    EXPECT_EQ(threatened->circleColour[2], 0.0f);
    EXPECT_EQ(changed->alert, 21) << "the threat replaces the longer alert";
    EXPECT_EQ(changed->circleColour[2], 0.0f);
    EXPECT_EQ(behind->alert, 0);
    EXPECT_EQ(clear->alert, 0);
}

}  // namespace
