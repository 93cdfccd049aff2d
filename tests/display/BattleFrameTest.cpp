// One frame of the battle, the keys, the end of the war and what is written
// on the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/Application.h"
#include "battle/Bullet.h"
#include "battle/Effect.h"
#include "battle/GamePlay.h"
#include "battle/Ghost.h"
#include "graphics/ImageDrawer.h"
#include "people/Fighter.h"
#include "people/Person.h"
#include "people/PlayerControlled.h"
#include "scores/GameCounter.h"
#include "tests/support/GlWindow.h"

namespace {

SDL_keysym keyOf(SDLKey sym) {
    SDL_keysym key{};
    key.sym = sym;
    return key;
}

class BattleFrameTest : public testing::Test {
  protected:
    ~BattleFrameTest() override {
        if (!hosted) {
            delete battle;
        }
    }

    void start(int leftFighters, std::uint32_t seed = 11) {
        battle = new GamePlay(&window.application, {0, leftFighters, 0, 0}, seed);
    }

    // Makes the battle the application's current state, as after the title
    // screen, so that leaving it builds a title screen again.
    void host() {
        Application& application = window.application;
        delete application.currentState;
        application.currentState = battle;
        application.stateKind = Application::StateBattle;
        hosted = true;
    }

    bool battleIsGone() const { return window.application.currentState != battle; }

    Fighter* firstFighter() const { return dynamic_cast<Fighter*>(battle->people[1]->behaviour); }

    void unseenFrame() {
        battle->update();
        battle->advanceUnseen();
        battle->cleanUp();
    }

    GlWindow window{800, 600};
    GamePlay* battle = nullptr;
    bool hosted = false;
};

TEST_F(BattleFrameTest, AFighterLayingDownArmsEndsTheWarBeforeTheBulletsMove) {
    start(1);
    firstFighter()->fightTimer = 4;
    firstFighter()->fireTimer = 1000;
    battle->addBullet(true, 600.0f);
    for (int frame = 0; frame < 4; ++frame) {
        unseenFrame();
    }
    EXPECT_EQ(battle->bullets[0]->x, 784.0f);
    EXPECT_FALSE(battle->warOver);
    unseenFrame();
    EXPECT_TRUE(battle->warOver);
    EXPECT_EQ(battle->time, 5.0f) << "the frame counts: the war was on when it started";
    EXPECT_EQ(battle->bullets[0]->x, 784.0f) << "that frame already skips the bullets";
    unseenFrame();
    EXPECT_EQ(battle->time, 5.0f);
    EXPECT_EQ(battle->people[1]->x, 96.0f) << "people still tick: the civilian walks home";
}

TEST_F(BattleFrameTest, AFighterKilledInTheCollisionDetectionEndsTheWarInThatFrame) {
    start(1);
    firstFighter()->fireTimer = 1000;
    battle->people[1]->setPosition(160.0f, 100.0f);
    battle->addBullet(true, 100.0f);
    battle->bullets[0]->x = 194.0f;
    unseenFrame();
    EXPECT_TRUE(battle->warOver);
    EXPECT_EQ(battle->time, 1.0f);
    unseenFrame();
    EXPECT_EQ(battle->time, 1.0f);
}

TEST_F(BattleFrameTest, AfterTheWarBulletsFreezeWhilePeopleBricksAndEffectsGoOn) {
    start(1);
    firstFighter()->fightTimer = 0;
    battle->addBrick(false, 300.0f);
    battle->addBullet(false, 300.0f);
    battle->bullets[0]->x = 450.0f;
    unseenFrame();
    ASSERT_TRUE(battle->warOver);
    for (int frame = 0; frame < 50; ++frame) {
        unseenFrame();
    }
    ASSERT_EQ(battle->bullets.size(), 1u);
    EXPECT_EQ(battle->bullets[0]->x, 450.0f) << "neither moved nor stopped";
    EXPECT_EQ(battle->leftBricks.size(), 1u);
    EXPECT_TRUE(battle->shotBangs.empty()) << "the flash ran out";

    battle->keyDown(keyOf(SDLK_UP));
    unseenFrame();
    EXPECT_EQ(battle->people[0]->y, 356.0f) << "the player keeps control";
    battle->keyDown(keyOf(SDLK_x));
    EXPECT_EQ(battle->rightBricks, std::vector<float>{356.0f});
}

TEST_F(BattleFrameTest, SpaceDuringTheWarDoesNothing) {
    start(1);
    host();
    battle->keyDown(keyOf(SDLK_SPACE));
    EXPECT_FALSE(battleIsGone());
    EXPECT_EQ(GameCounter::getInstance()->getCount("Time"), 0);
}

TEST_F(BattleFrameTest, SpaceAfterTheWarRecordsItsLengthAndLeaves) {
    start(1);
    host();
    firstFighter()->fightTimer = 6;
    firstFighter()->fireTimer = 1000;
    for (int frame = 0; frame < 20; ++frame) {
        unseenFrame();
    }
    ASSERT_TRUE(battle->warOver);
    battle->keyDown(keyOf(SDLK_SPACE));
    EXPECT_TRUE(battleIsGone());
    EXPECT_EQ(window.application.stateKind, Application::StateTitle);
    EXPECT_EQ(GameCounter::getInstance()->getCount("Time"), 7);
}

TEST_F(BattleFrameTest, EscapeLeavesWithoutRecordingTheTime) {
    start(1);
    host();
    firstFighter()->fightTimer = 0;
    unseenFrame();
    ASSERT_TRUE(battle->warOver);
    battle->keyDown(keyOf(SDLK_ESCAPE));
    EXPECT_TRUE(battleIsGone());
    EXPECT_EQ(GameCounter::getInstance()->getCount("Time"), 0);
}

TEST_F(BattleFrameTest, EscapeLeavesDuringTheWar) {
    start(2);
    host();
    battle->keyDown(keyOf(SDLK_ESCAPE));
    EXPECT_TRUE(battleIsGone());
    EXPECT_EQ(window.application.stateKind, Application::StateTitle);
}

TEST_F(BattleFrameTest, TheKeysReachThePlayersPerson) {
    start(0);
    PlayerControlled* player = battle->player;
    battle->keyDown(keyOf(SDLK_UP));
    EXPECT_TRUE(player->upHeld);
    battle->keyDown(keyOf(SDLK_DOWN));
    EXPECT_TRUE(player->downHeld);
    EXPECT_FALSE(player->upHeld);
    battle->keyUp(keyOf(SDLK_UP));
    EXPECT_FALSE(player->downHeld) << "releasing up lets go of down too";
    battle->keyDown(keyOf(SDLK_DOWN));
    battle->keyUp(keyOf(SDLK_z));
    battle->keyUp(keyOf(SDLK_LEFT));
    EXPECT_TRUE(player->downHeld) << "other releases do nothing";
    battle->keyUp(keyOf(SDLK_DOWN));
    EXPECT_FALSE(player->downHeld);

    battle->keyDown(keyOf(SDLK_LEFT));
    battle->keyDown(keyOf(SDLK_c));
    battle->keyDown(keyOf(SDLK_SPACE));
    EXPECT_TRUE(battle->leftBricks.empty());
    EXPECT_TRUE(battle->rightBricks.empty());
    battle->keyDown(keyOf(SDLK_z));
    EXPECT_EQ(battle->leftBricks, std::vector<float>{352.0f});
    EXPECT_TRUE(battle->rightBricks.empty());
    battle->keyDown(keyOf(SDLK_x));
    EXPECT_EQ(battle->rightBricks, std::vector<float>{352.0f});
}

TEST_F(BattleFrameTest, FinishedEffectsAreClearedAfterTheirLastFrame) {
    start(0);
    battle->addBullet(false, 100.0f);
    battle->smokePffs.push_back(new Effect(Effect::KindSmokePff, true, 200.0f));
    battle->ghosts.push_back(new Ghost(10.0f, 20.0f));
    battle->ghosts.push_back(new Ghost(10.0f, 20.0f));
    battle->ghosts[1]->alpha = 0.0625f;
    battle->smokePffs[0]->fading = true;
    battle->smokePffs[0]->level = 0.06125f;
    battle->advanceUnseen();
    battle->cleanUp();
    EXPECT_EQ(battle->ghosts.size(), 1u) << "the ghost whose alpha reached 0";
    EXPECT_TRUE(battle->smokePffs.empty()) << "the puff whose level reached 0";
    EXPECT_EQ(battle->shotBangs.size(), 1u);
    for (int frame = 1; frame < 45; ++frame) {
        battle->advanceUnseen();
        battle->cleanUp();
    }
    EXPECT_TRUE(battle->shotBangs.empty()) << "a flash lasts 45 frames";
    EXPECT_TRUE(battle->ghosts.empty()) << "a ghost 16";
}

TEST_F(BattleFrameTest, AFlashFiredInAFrameIsDrawnInThatFrame) {
    start(1);
    firstFighter()->fireTimer = 0;
    window.clear();
    battle->draw();
    ASSERT_EQ(battle->shotBangs.size(), 1u);
    EXPECT_EQ(battle->shotBangs[0]->level, 0.625f);
    EXPECT_EQ(battle->bullets[0]->x, 214.0f) << "its first tick in the frame it is fired";
}

TEST_F(BattleFrameTest, TheScoreLineSitsInTheTopLeftCornerScaledToTheWindow) {
    start(0);
    GameCounter::getInstance()->incrementCount("Killed", -1);
    EXPECT_EQ(battle->scoreText(), "score -1");
    window.clear();
    battle->render();
    const auto drawn = window.region(0, 550, 160, 600);

    // At 800 x 600 the glyphs are 21 x 600 / 768 = 16.40625 pixels and the
    // line's bottom is 600 - 10 - 16.40625 = 573.59375. Beneath the text lie
    // the background and the left side mound.
    window.clear();
    ImageDrawer* drawer = ImageDrawer::getInstance();
    drawer->drawImage(ImageDrawer::ImageBackground, 0, 0, 1, 1, 1, 1, 1, 1);
    drawer->drawImage(ImageDrawer::ImageSideMounds, 128, 0, 1, 12, 1, 1, 1, 1);
    battle->textDrawer.drawText("score -1", 10.0f, 573.59375f, 16.40625f);
    EXPECT_TRUE(window.region(0, 550, 160, 600) == drawn);
}

TEST_F(BattleFrameTest, TheEndOfTheWarIsWrittenAcrossTheField) {
    start(0);
    window.clear();
    battle->render();
    const auto during = window.readPixels();
    battle->warOver = true;
    window.clear();
    battle->render();
    const auto after = window.readPixels();

    // "the war is over", 50 = 64 x 600 / 768 pixels high from (25, 300) and at
    // most 15 glyphs of 50 wide; "-space to quit-", 24 high from 600 x 0.3,
    // centred and at most 15 glyphs of 24 wide.
    auto inTitle = [](int x, int y) { return x >= 25 && x < 775 && y >= 300 && y < 350; };
    auto inHint = [](int x, int y) { return x >= 220 && x < 580 && y >= 180 && y < 204; };
    int titleChanges = 0;
    int hintChanges = 0;
    int elsewhere = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const size_t at = (static_cast<size_t>(y) * 800 + x) * 4;
            if (std::equal(during.begin() + at, during.begin() + at + 4, after.begin() + at)) {
                continue;
            }
            if (inTitle(x, y)) {
                ++titleChanges;
            } else if (inHint(x, y)) {
                ++hintChanges;
            } else {
                ++elsewhere;
            }
        }
    }
    EXPECT_GT(titleChanges, 0);
    EXPECT_GT(hintChanges, 0);
    EXPECT_EQ(elsewhere, 0);
}

// Pixels of the player's marker, an aqua no other picture has, and of white
// lettering, in a box of window pixels (from the bottom-left corner).
struct Seen {
    int aqua = 0;
    int white = 0;
    int red = 0;
};
Seen seenIn(const std::vector<unsigned char>& pixels, int left, int bottom, int right, int top) {
    Seen seen;
    for (int y = bottom; y < top; ++y) {
        for (int x = left; x < right; ++x) {
            const unsigned char* p = &pixels[(static_cast<size_t>(y) * 800 + x) * 4];
            seen.aqua += p[2] > 150 && p[1] > 130 && p[0] < 100 ? 1 : 0;
            seen.white += p[0] > 240 && p[1] > 240 && p[2] > 240 ? 1 : 0;
            seen.red += p[0] > 180 && p[1] < 80 && p[2] < 80 ? 1 : 0;
        }
    }
    return seen;
}

TEST_F(BattleFrameTest, ThePlayersPersonIsMarkedAboveEverybodyAndItsFallIsTold) {
    start(1);
    firstFighter()->fireTimer = 1000;
    Person* own = battle->people[0];
    // At the lower pile, with a fighter standing right on it: at 800 x 600
    // the pile's bricks cover pixels 355..445 across, 0..77 up.
    own->setPosition(480.0f, 40.0f);
    battle->people[1]->setPosition(480.0f, 40.0f);
    window.clear();
    battle->render();
    std::vector<unsigned char> frame = window.readPixels();
    EXPECT_GT(seenIn(frame, 355, 0, 445, 77).aqua, 300) << "the marker over the bricks";
    EXPECT_GT(seenIn(frame, 375, 90, 425, 110).aqua, 100) << "its arrow above the head";
    EXPECT_EQ(seenIn(frame, 355, 0, 445, 110).red, 0) << "the fighter's eyes, under the player";

    // A bullet from the right kills the player's person; "you fell" is then
    // written at 0.66 of the height, 50 pixels high, until the war is over.
    const Seen before = seenIn(frame, 200, 396, 600, 446);
    battle->addBullet(true, 50.0f);
    while (battle->player != nullptr && !battle->bullets.empty()) {
        unseenFrame();
    }
    ASSERT_EQ(battle->player, nullptr);
    window.clear();
    battle->render();
    frame = window.readPixels();
    EXPECT_GT(seenIn(frame, 355, 0, 445, 110).aqua, 300) << "the fallen person's marker";
    EXPECT_GT(seenIn(frame, 200, 396, 600, 446).white, before.white + 500) << "you fell";
    for (int fade = 0; fade < 16; ++fade) {
        unseenFrame();
    }
    battle->warOver = true;
    window.clear();
    battle->render();
    frame = window.readPixels();
    EXPECT_EQ(seenIn(frame, 200, 396, 600, 446).white, before.white) << "the war's end instead";
    EXPECT_EQ(seenIn(frame, 0, 0, 800, 600).aqua, 0) << "the ghost and its marker faded";
}

}  // namespace
