#include "people/PlayerControlled.h"

#include <gtest/gtest.h>

#include "people/Person.h"

namespace {

// Moving and fetching need no battle; laying bricks is tested with one.
class PlayerControlledTest : public testing::Test {
  protected:
    void SetUp() override {
        player = new PlayerControlled(nullptr);
        person.setBehaviour(player);
        person.setPosition(480.0f, 352.0f);
    }

    void carry(bool left, bool right) {
        player->hasLeftBrick = left;
        player->hasRightBrick = right;
    }

    Person person;
    PlayerControlled* player = nullptr;
};

TEST_F(PlayerControlledTest, StartsStandingWithBothBricks) {
    EXPECT_FALSE(player->upHeld);
    EXPECT_FALSE(player->downHeld);
    EXPECT_FALSE(player->leftBrickLaid);
    EXPECT_FALSE(player->rightBrickLaid);
    EXPECT_TRUE(player->hasLeftBrick);
    EXPECT_TRUE(player->hasRightBrick);
    EXPECT_EQ(player->speed, 8.0f);
    person.tick();
    EXPECT_EQ(person.y, 352.0f);
    EXPECT_EQ(person.x, 480.0f);
}

TEST_F(PlayerControlledTest, TheSpeedFollowsTheLoad) {
    struct Case {
        bool left;
        bool right;
        float speed;
    };
    const Case cases[] = {
        {true, true, 4.0f}, {true, false, 6.0f}, {false, true, 6.0f}, {false, false, 8.0f}};
    for (const Case& c : cases) {
        carry(c.left, c.right);
        person.setPosition(480.0f, 300.0f);
        player->up(true);
        person.tick();
        EXPECT_EQ(player->speed, c.speed);
        EXPECT_EQ(person.y, 300.0f + c.speed);
        player->down(true);
        person.tick();
        EXPECT_EQ(person.y, 300.0f);
        EXPECT_EQ(person.x, 480.0f) << "only up and down";
    }
}

TEST_F(PlayerControlledTest, TheTestIsMadeBeforeTheStepWithoutClamping) {
    carry(false, false);
    person.setPosition(480.0f, 700.0f);
    player->up(true);
    person.tick();
    EXPECT_EQ(person.y, 708.0f);
    person.tick();
    EXPECT_EQ(person.y, 708.0f) << "772 is past the top: refused";

    person.setPosition(480.0f, 4.0f);
    player->down(true);
    person.tick();
    EXPECT_EQ(person.y, -4.0f);
    person.tick();
    EXPECT_EQ(person.y, -4.0f);

    carry(true, false);
    person.setPosition(480.0f, 4.0f);
    person.tick();
    EXPECT_EQ(person.y, -2.0f) << "one brick: 6 units";
    person.tick();
    EXPECT_EQ(person.y, -2.0f);

    carry(false, false);
    person.setPosition(480.0f, 0.0f);
    person.tick();
    EXPECT_EQ(person.y, 0.0f) << "y 0 is not above the bottom";
    person.setPosition(480.0f, 704.0f);
    player->up(true);
    person.tick();
    EXPECT_EQ(person.y, 704.0f) << "704 + 64 is not below the top";
}

TEST_F(PlayerControlledTest, EachArrowLetsGoOfTheOther) {
    player->down(true);
    EXPECT_TRUE(player->downHeld);
    player->up(true);
    EXPECT_TRUE(player->upHeld);
    EXPECT_FALSE(player->downHeld);
    player->up(false);
    EXPECT_FALSE(player->upHeld);
    EXPECT_FALSE(player->downHeld);
    person.tick();
    EXPECT_EQ(person.y, 352.0f) << "down is still held on the keyboard, yet it stands";

    player->up(true);
    player->down(false);
    EXPECT_FALSE(player->upHeld);
    person.tick();
    EXPECT_EQ(person.y, 352.0f);
}

TEST_F(PlayerControlledTest, ALaidBrickIsGivenUpOnTheNextTickAndLightensTheOneAfter) {
    player->leftBrickLaid = true;
    player->up(true);
    person.tick();
    EXPECT_EQ(person.y, 356.0f) << "still carried during this tick";
    EXPECT_FALSE(player->hasLeftBrick);
    EXPECT_FALSE(player->leftBrickLaid);
    EXPECT_TRUE(player->hasRightBrick);
    person.tick();
    EXPECT_EQ(person.y, 362.0f);

    player->rightBrickLaid = true;
    person.tick();
    EXPECT_EQ(person.y, 368.0f);
    EXPECT_FALSE(player->hasRightBrick);
    EXPECT_FALSE(player->rightBrickLaid);
    person.tick();
    EXPECT_EQ(person.y, 376.0f);
}

TEST_F(PlayerControlledTest, NewBricksArePickedUpOnlyAtTheEndsOfTheLine) {
    struct Case {
        float y;
        bool picksUp;
    };
    const Case cases[] = {{628.0f, true}, {627.5f, false}, {700.0f, true}, {76.0f, true},
                          {76.5f, false}, {-4.0f, true},   {352.0f, false}};
    for (const Case& c : cases) {
        carry(false, false);
        person.setPosition(480.0f, c.y);
        player->leftBrick();
        EXPECT_EQ(player->hasLeftBrick, c.picksUp) << "left at " << c.y;
        EXPECT_FALSE(player->hasRightBrick);
        player->rightBrick();
        EXPECT_EQ(player->hasRightBrick, c.picksUp) << "right at " << c.y;
        EXPECT_FALSE(player->leftBrickLaid);
        EXPECT_FALSE(player->rightBrickLaid);
    }
}

TEST_F(PlayerControlledTest, TheTrailRemembersTheLastThreeStartingHeights) {
    carry(false, false);
    player->up(true);
    person.tick();
    person.tick();
    person.tick();
    EXPECT_EQ(player->trailY1, 368.0f);
    EXPECT_EQ(player->trailY2, 360.0f);
    EXPECT_EQ(player->trailY3, 352.0f);
    EXPECT_EQ(person.y, 376.0f);
}

TEST_F(PlayerControlledTest, FamilyNewsNeverChangesTheRole) {
    Person relative;
    person.addFamilyMember(&relative, true);
    person.saved();
    person.removeFamilyMember(&relative);
    EXPECT_EQ(person.behaviour, player);
}

}  // namespace
