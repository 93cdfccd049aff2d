// The road of one battle through the real main loop, with input pushed into
// SDL's queue as the window system (or a joystick) would deliver it: title
// screen, start, a war that ends, Space, the score filed and shown, Escape.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "app/Application.h"
#include "battle/GamePlay.h"
#include "people/Person.h"
#include "scores/GameCounter.h"
#include "tests/support/GlWindow.h"
#include "tests/support/TempHome.h"
#include "title/TitleScreen.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
// Fighters lay down their arms after 6000 frames at the latest, and sides of
// one civilian and one fighter have no families to lengthen the fight.
constexpr int kLongestWar = 6002;

void push(const SDL_Event& event) {
    SDL_Event copy = event;
    ASSERT_EQ(SDL_PushEvent(&copy), 0);
}

void key(SDLKey sym) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = sym;
    push(event);
    event.type = SDL_KEYUP;
    push(event);
}

// A click at a point of the logical screen (1024 x 768, y up), in the window
// pixels (y down) that mouse events carry.
void clickLogical(float x, float y) {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = static_cast<Uint16>(x * kWidth / 1024.0f);
    event.button.y = static_cast<Uint16>(kHeight - y * kHeight / 768.0f);
    push(event);
    event.type = SDL_MOUSEBUTTONUP;
    push(event);
}

SDL_Event joystickAxis(Uint8 axis, Sint16 value) {
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    return event;
}

SDL_Event joystickButton(Uint8 button) {
    SDL_Event event{};
    event.type = SDL_JOYBUTTONDOWN;
    event.jbutton.button = button;
    event.jbutton.state = SDL_PRESSED;
    return event;
}

// The four numbers' "less" buttons, at the lower left of their arrows.
struct Arrow {
    float x, y;
};
constexpr Arrow kLeftCiviliansLess{357, 418};
constexpr Arrow kLeftFightersLess{357, 348};
constexpr Arrow kRightCiviliansLess{768, 418};
constexpr Arrow kRightFightersLess{768, 348};
constexpr Arrow kStart{512, 128};

std::vector<int> readRecords(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    std::vector<int> values;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        values.push_back(static_cast<int>(bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16 |
                                          static_cast<unsigned>(bytes[i + 3]) << 24));
    }
    return values;
}

TEST(WholeGame, AWarWonAndLeftWithSpaceIsFiledAsItsScoreTimesTheFramesLeft) {
    TempHome home;
    auto window = std::make_unique<GlWindow>(kWidth, kHeight);
    Application& application = window->application;

    // Down to one civilian and one fighter a side: 31 and 1 clicks, a frame
    // after each pair so that SDL's queue never fills up.
    for (int click = 0; click < 31; ++click) {
        clickLogical(kLeftCiviliansLess.x, kLeftCiviliansLess.y);
        clickLogical(kRightCiviliansLess.x, kRightCiviliansLess.y);
        ASSERT_TRUE(application.runOnce());
    }
    clickLogical(kLeftFightersLess.x, kLeftFightersLess.y);
    clickLogical(kRightFightersLess.x, kRightFightersLess.y);
    clickLogical(kStart.x, kStart.y);
    ASSERT_TRUE(application.runOnce());
    const GamePlay* battle = dynamic_cast<const GamePlay*>(application.currentState);
    ASSERT_NE(battle, nullptr) << "the start button's frame must hand over to the battle";
    EXPECT_EQ(battle->people.size(), 5u);

    int frames = 0;
    while (!battle->warOver && frames < kLongestWar) {
        ASSERT_TRUE(application.runOnce());
        ++frames;
    }
    ASSERT_TRUE(battle->warOver);
    // Space only counts once the war is over; the frames keep coming meanwhile.
    const int score = GameCounter::getInstance()->getScore();
    const int length = static_cast<int>(battle->time);
    ASSERT_TRUE(application.runOnce());
    EXPECT_EQ(static_cast<int>(battle->time), length) << "the war's length is frozen";

    key(SDLK_SPACE);
    ASSERT_TRUE(application.runOnce());
    const TitleScreen* title = dynamic_cast<const TitleScreen*>(application.currentState);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(GameCounter::getInstance()->getCount("Time"), length);
    const int filed =
        score > 0 && length < 5000
            ? static_cast<int>(static_cast<float>(score) * static_cast<float>(5000 - length))
            : score;
    EXPECT_EQ(title->highScore, filed);
    EXPECT_EQ(title->numbers.leftCivilians, 1);
    EXPECT_EQ(title->numbers.rightFighters, 1);

    key(SDLK_ESCAPE);
    EXPECT_FALSE(application.runOnce());
    window.reset();
    EXPECT_EQ(readRecords(home.userDirectory() + "/.Truceward"),
              (std::vector<int>{1, 1, 1, 1, filed}));
}

TEST(WholeGame, EscapeLeavesTheBattleWithoutTheTimeAndFilesThePlainSum) {
    TempHome home;
    auto window = std::make_unique<GlWindow>(kWidth, kHeight);
    Application& application = window->application;
    clickLogical(kStart.x, kStart.y);
    ASSERT_TRUE(application.runOnce());
    for (int frame = 0; frame < 300; ++frame) {
        ASSERT_TRUE(application.runOnce());
    }
    const int score = GameCounter::getInstance()->getScore();
    key(SDLK_ESCAPE);
    ASSERT_TRUE(application.runOnce());
    const TitleScreen* title = dynamic_cast<const TitleScreen*>(application.currentState);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(GameCounter::getInstance()->getCount("Time"), 0);
    EXPECT_EQ(title->highScore, score);
    key(SDLK_ESCAPE);
    EXPECT_FALSE(application.runOnce());
    window.reset();
    EXPECT_EQ(readRecords(home.userDirectory() + "/.Truceward"),
              (std::vector<int>{32, 32, 2, 2, score}));
}

TEST(WholeGame, AQuitDuringTheBattleFilesNothing) {
    TempHome home;
    {
        GlWindow window(kWidth, kHeight);
        clickLogical(kStart.x, kStart.y);
        ASSERT_TRUE(window.application.runOnce());
        for (int frame = 0; frame < 100; ++frame) {
            ASSERT_TRUE(window.application.runOnce());
        }
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        push(quit);
        EXPECT_FALSE(window.application.runOnce());
    }
    std::ifstream scores(home.userDirectory() + "/.Truceward");
    EXPECT_FALSE(scores.is_open()) << "only the title screen files scores";
}

TEST(WholeGame, TheJoystickSteersThePlayerAndLaysBricks) {
    GlWindow window(kWidth, kHeight);
    Application& application = window.application;
    clickLogical(kStart.x, kStart.y);
    ASSERT_TRUE(application.runOnce());
    const GamePlay* battle = dynamic_cast<const GamePlay*>(application.currentState);
    ASSERT_NE(battle, nullptr);
    const Person* player = battle->people.front();
    const float start = player->y;

    // Stick up for ten frames: two bricks carried, four units a frame.
    push(joystickAxis(1, -32000));
    for (int frame = 0; frame < 10; ++frame) {
        ASSERT_TRUE(application.runOnce());
    }
    push(joystickAxis(1, 0));
    ASSERT_TRUE(application.runOnce());
    ASSERT_NE(battle->player, nullptr) << "the player was shot; the seed is the clock's";
    EXPECT_EQ(player->y, start + 10 * 4);
    const float height = player->y;

    // Button 0 lays the left brick, button 1 the right one.
    push(joystickButton(0));
    push(joystickButton(1));
    ASSERT_TRUE(application.runOnce());
    EXPECT_NE(std::find(battle->leftBricks.begin(), battle->leftBricks.end(), height),
              battle->leftBricks.end());
    EXPECT_NE(std::find(battle->rightBricks.begin(), battle->rightBricks.end(), height),
              battle->rightBricks.end());

    // Stick down, now unladen: eight units a frame.
    push(joystickAxis(1, 32000));
    ASSERT_TRUE(application.runOnce());
    ASSERT_TRUE(application.runOnce());
    EXPECT_EQ(player->y, height - 2 * 8);
}

}  // namespace
