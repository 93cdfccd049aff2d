// A scripted battle played through the main loop: the player steps down into
// the line of a bullet headed for somebody, lays a brick there, and the brick
// stops the bullet and saves that person.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "battle/Bullet.h"
#include "battle/Effect.h"
#include "battle/GamePlay.h"
#include "graphics/ImageDrawer.h"
#include "people/Person.h"
#include "scores/GameCounter.h"
#include "tests/display/BattleWitness.h"
#include "tests/support/GlWindow.h"

namespace {

class BattleRescueScriptTest : public testing::Test {
  protected:
    BattleRescueScriptTest() {
        Application& application = window.application;
        delete application.currentState;
        battle = new GamePlay(&application, {0, 0, 0, 0}, 99);
        application.currentState = battle;
        application.stateKind = Application::StateBattle;
    }

    static void sendKey(Uint8 type, SDLKey sym) {
        SDL_Event event{};
        event.type = type;
        event.key.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = sym;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }

    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            window.application.runOnce();
        }
    }

    GlWindow window{1024, 768};
    GamePlay* battle;
    std::vector<std::string> log;
};

TEST_F(BattleRescueScriptTest, ABrickLaidInTheLineOfFireSavesThePersonAndScores) {
    SDL_Event stale;
    while (SDL_PollEvent(&stale)) {
    }
    Person* target = BattleWitness::place("target", &log, true, 900.0f, 300.0f);
    Person* cousin = BattleWitness::place("cousin", &log, true, 950.0f, 600.0f);
    Person* aunt = BattleWitness::place("aunt", &log, true, 950.0f, 100.0f);
    BattleWitness::relate(target, cousin);
    BattleWitness::relate(target, aunt);
    battle->people.push_back(target);
    battle->people.push_back(cousin);
    battle->people.push_back(aunt);
    // A left bullet at 316 threatens whoever stands at 300, ahead of it.
    battle->addBullet(false, 316.0f);
    frames(1);
    // Lit with 21 frames, one of them already drawn.
    EXPECT_EQ(target->alert, 20) << "the target sees the threat";
    EXPECT_EQ(target->circleColour[1], 0.0f);

    // Down from 352 at 4 units a frame (two bricks) to 328, where a brick's
    // box (460, 337, 24, 46) meets the bullet's hit box (y 327 .. 338).
    sendKey(SDL_KEYDOWN, SDLK_DOWN);
    frames(6);
    sendKey(SDL_KEYUP, SDLK_DOWN);
    sendKey(SDL_KEYDOWN, SDLK_z);
    sendKey(SDL_KEYUP, SDLK_z);
    frames(1);
    ASSERT_EQ(battle->people[0]->y, 328.0f);
    ASSERT_EQ(battle->leftBricks, std::vector<float>{328.0f});
    ASSERT_EQ(battle->bullets.size(), 1u);

    int flight = 0;
    while (!battle->bullets.empty() && flight < 200) {
        frames(1);
        ++flight;
    }
    EXPECT_TRUE(battle->bullets.empty());
    EXPECT_TRUE(battle->leftBricks.empty()) << "the brick is used up";
    ASSERT_EQ(battle->smokePffs.size(), 1u);
    EXPECT_EQ(battle->smokePffs[0]->x, 440.0f);
    EXPECT_EQ(battle->smokePffs[0]->y, 328.0f);
    EXPECT_EQ(battle->people.size(), 4u) << "nobody died";
    EXPECT_EQ(GameCounter::getInstance()->getCount("Saved by Brick"), 1);
    EXPECT_EQ(GameCounter::getInstance()->getScore(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"target saved", "cousin saved", "aunt saved"}));

    // The score line reads "score 1": at 1024 x 768 cells of 21 pixels from
    // (10, 768 - 10 - 21), over the background and the left side mound.
    window.clear();
    battle->render();
    const auto drawn = window.region(0, 720, 240, 768);
    const auto withPuff = window.region(440, 340, 470, 380);
    window.clear();
    ImageDrawer* drawer = ImageDrawer::getInstance();
    drawer->drawImage(ImageDrawer::ImageBackground, 0, 0, 1, 1, 1, 1, 1, 1);
    drawer->drawImage(ImageDrawer::ImageSideMounds, 128, 0, 1, 12, 1, 1, 1, 1);
    battle->textDrawer.drawText("score 1", 10.0f, 737.0f, 21.0f);
    EXPECT_TRUE(window.region(0, 720, 240, 768) == drawn);

    // The puff shows over the brick's place until it has run out.
    frames(50);
    EXPECT_TRUE(battle->smokePffs.empty());
    window.clear();
    battle->render();
    EXPECT_FALSE(window.region(440, 340, 470, 380) == withPuff);
}

}  // namespace
