// The title screen in a real 800 x 600 game window, driven through SDL's event
// queue and the main loop exactly as the player drives it.
#include "title/TitleScreen.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/Application.h"
#include "graphics/Button.h"
#include "scores/GameCounter.h"
#include "tests/support/CaptureStdout.h"
#include "tests/support/GlWindow.h"
#include "tests/support/TempHome.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// Centres of the buttons, logical units (lower-left corners plus half a size).
struct Point {
    float x;
    float y;
};
constexpr Point kLeftCiviliansLess{357.0f, 418.0f};
constexpr Point kLeftCiviliansMore{464.0f, 418.0f};
constexpr Point kLeftFightersLess{357.0f, 348.0f};
constexpr Point kLeftFightersMore{464.0f, 348.0f};
constexpr Point kRightCiviliansLess{768.0f, 418.0f};
constexpr Point kRightCiviliansMore{876.0f, 418.0f};
constexpr Point kRightFightersLess{768.0f, 348.0f};
constexpr Point kRightFightersMore{876.0f, 348.0f};
constexpr Point kStart{512.0f, 128.0f};

// One record as it lies on disk: key (left civilians, right civilians, left
// fighters, right fighters), then the score; little-endian, small values only.
Bytes record(unsigned char lc, unsigned char rc, unsigned char lf, unsigned char rf,
             unsigned char score) {
    return {lc, 0, 0, 0, rc, 0, 0, 0, lf, 0, 0, 0, rf, 0, 0, 0, score, 0, 0, 0};
}

class TitleScreenTest : public testing::Test {
  protected:
    void SetUp() override {
        // The start-up title screen goes; each test builds its own.
        delete window.application.currentState;
        window.application.currentState = nullptr;
        drainEvents();
        path = home.userDirectory() + "/.Truceward";
    }

    TitleScreen* install(int leftCivilians, int leftFighters, int rightCivilians,
                         int rightFighters) {
        CaptureStdout quiet;
        auto* title = new TitleScreen(&window.application,
                                      {leftCivilians, leftFighters, rightCivilians, rightFighters});
        window.application.currentState = title;
        window.application.stateKind = Application::StateTitle;
        return title;
    }

    void writeScores(const Bytes& bytes) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    Bytes readScores() const {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The new window's own events (the real pointer entering it, focus) come
    // in over the first moments; they are let through and dropped, so that
    // only the events a test pushes reach its title screen.
    static void drainEvents() {
        constexpr int kRounds = 30;
        constexpr Uint32 kRoundMilliseconds = 10;
        for (int round = 0; round < kRounds; ++round) {
            SDL_Event event;
            while (SDL_PollEvent(&event)) {
            }
            SDL_Delay(kRoundMilliseconds);
        }
    }

    // Window pixels as SDL reports them: y from the top.
    static Uint16 pixelX(float logicalX) {
        return static_cast<Uint16>(logicalX * kWidth / 1024.0f);
    }
    static Uint16 pixelY(float logicalY) {
        return static_cast<Uint16>(kHeight - logicalY * kHeight / 768.0f);
    }

    static void pushMotion(Point at) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.type = SDL_MOUSEMOTION;
        event.motion.x = pixelX(at.x);
        event.motion.y = pixelY(at.y);
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }

    static void pushButton(bool down, Point at) {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.type = event.type;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = pixelX(at.x);
        event.button.y = pixelY(at.y);
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }

    static void pushKey(SDLKey sym) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.type = SDL_KEYDOWN;
        event.key.keysym.sym = sym;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }

    // Moves there, presses and releases, and lets one pass of the loop run.
    void click(Point at) {
        pushMotion(at);
        pushButton(true, at);
        pushButton(false, at);
        window.application.runOnce();
    }

    TempHome home;
    GlWindow window{kWidth, kHeight};
    std::string path;
};

TEST_F(TitleScreenTest, TwelveButtonsInTheirPlaces) {
    TitleScreen* title = install(32, 2, 32, 2);
    ASSERT_EQ(title->widgets.size(), 12u);
    const float expected[12][4] = {{325, 386, 64, 64}, {432, 386, 64, 64}, {325, 316, 64, 64},
                                   {432, 316, 64, 64}, {736, 386, 64, 64}, {844, 386, 64, 64},
                                   {736, 316, 64, 64}, {844, 316, 64, 64}, {256, 80, 512, 96},
                                   {208, 10, 192, 64}, {416, 10, 192, 64}, {624, 10, 192, 64}};
    for (int i = 0; i < 12; ++i) {
        const Widget* widget = title->widgets[static_cast<size_t>(i)];
        EXPECT_EQ(widget->x, expected[i][0]) << "button " << i;
        EXPECT_EQ(widget->y, expected[i][1]) << "button " << i;
        EXPECT_EQ(widget->width, expected[i][2]) << "button " << i;
        EXPECT_EQ(widget->height, expected[i][3]) << "button " << i;
    }
}

TEST_F(TitleScreenTest, ArrowsStepTheirNumberWithinOneToNinetyNine) {
    TitleScreen* title = install(1, 99, 50, 2);
    click(kLeftCiviliansLess);
    EXPECT_EQ(title->numbers.leftCivilians, 1);
    click(kLeftFightersMore);
    EXPECT_EQ(title->numbers.leftFighters, 99);
    click(kLeftFightersLess);
    EXPECT_EQ(title->numbers.leftFighters, 98);
    click(kLeftCiviliansMore);
    EXPECT_EQ(title->numbers.leftCivilians, 2);
    click(kRightCiviliansMore);
    EXPECT_EQ(title->numbers.rightCivilians, 51);
    click(kRightCiviliansLess);
    click(kRightCiviliansLess);
    EXPECT_EQ(title->numbers.rightCivilians, 49);
    click(kRightFightersLess);
    EXPECT_EQ(title->numbers.rightFighters, 1);
    click(kRightFightersLess);
    EXPECT_EQ(title->numbers.rightFighters, 1);
    click(kRightFightersMore);
    EXPECT_EQ(title->numbers.rightFighters, 2);
    // Every click changed exactly the number of its own button.
    EXPECT_EQ(title->numbers.leftCivilians, 2);
    EXPECT_EQ(title->numbers.leftFighters, 98);
    EXPECT_EQ(title->numbers.rightCivilians, 49);
    EXPECT_FALSE(title->startRequested);
}

TEST_F(TitleScreenTest, NumbersGivenOutOfRangeComeBackOneClickAtATime) {
    TitleScreen* title = install(150, -4, 100, 0);
    EXPECT_EQ(title->numbers.leftCivilians, 150);
    click(kLeftCiviliansLess);
    EXPECT_EQ(title->numbers.leftCivilians, 149);
    click(kRightCiviliansMore);
    EXPECT_EQ(title->numbers.rightCivilians, 99);
    click(kLeftFightersLess);
    EXPECT_EQ(title->numbers.leftFighters, 1);
    click(kRightFightersMore);
    EXPECT_EQ(title->numbers.rightFighters, 1);
}

TEST_F(TitleScreenTest, HighScoreShownFollowsEveryArrowClick) {
    {
        Bytes table;
        for (const Bytes& entry :
             {record(32, 32, 2, 2, 10), record(33, 32, 2, 2, 11), record(33, 32, 3, 2, 12),
              record(33, 33, 3, 2, 13), record(33, 33, 3, 3, 14), record(32, 33, 3, 3, 15)}) {
            table.insert(table.end(), entry.begin(), entry.end());
        }
        writeScores(table);
    }
    TitleScreen* title = install(32, 2, 32, 2);
    EXPECT_EQ(title->highScore, 10);
    click(kLeftCiviliansMore);
    EXPECT_EQ(title->highScore, 11);
    click(kLeftFightersMore);
    EXPECT_EQ(title->highScore, 12);
    click(kRightCiviliansMore);
    EXPECT_EQ(title->highScore, 13);
    click(kRightFightersMore);
    EXPECT_EQ(title->highScore, 14);
    click(kLeftCiviliansLess);
    EXPECT_EQ(title->highScore, 15);
    click(kLeftFightersLess);
    EXPECT_EQ(title->highScore, 0) << "(32, 33, 2, 3) has no entry";
    click(kRightCiviliansLess);
    click(kRightFightersLess);
    EXPECT_EQ(title->highScore, 10);
}

TEST_F(TitleScreenTest, BattleScoreIsFiledUnderTheKeyOrderOfTheTable) {
    GameCounter* counters = GameCounter::getInstance();
    counters->reset();
    counters->incrementCount("Saved by Brick", 3);
    counters->incrementCount("Time", 4990);
    // Built as the return from a battle with 10 civilians and 3 fighters on
    // the left, 20 and 4 on the right: (3) * (5000 - 4990) = 30.
    TitleScreen* title = install(10, 3, 20, 4);
    EXPECT_EQ(title->highScore, 30);
    {
        CaptureStdout quiet;
        delete title;
        window.application.currentState = nullptr;
    }
    EXPECT_EQ(readScores(), record(10, 20, 3, 4, 30));
    counters->reset();
}

TEST_F(TitleScreenTest, StartTakesEffectAtTheEndOfTheNextFrame) {
    TitleScreen* title = install(7, 3, 9, 4);
    // A frame before the click, to compare the click's frame with.
    window.application.draw();
    const std::vector<unsigned char> before = window.readPixels();

    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.x = pixelX(kStart.x);
    event.button.y = pixelY(kStart.y);
    window.application.handleEvent(event);
    event.type = SDL_MOUSEBUTTONUP;
    window.application.handleEvent(event);
    ASSERT_EQ(window.application.currentState, title) << "the click alone starts nothing";
    EXPECT_TRUE(title->startRequested);
    EXPECT_EQ(window.application.stateKind, Application::StateTitle);

    window.application.draw();
    EXPECT_EQ(window.application.stateKind, Application::StateBattle);
    EXPECT_NE(window.application.currentState, nullptr);
    EXPECT_EQ(window.application.numbers.leftCivilians, 7);
    EXPECT_EQ(window.application.numbers.leftFighters, 3);
    EXPECT_EQ(window.application.numbers.rightCivilians, 9);
    EXPECT_EQ(window.application.numbers.rightFighters, 4);

    // That frame was still the title screen's: its artwork away from the
    // buttons, numbers and pointer is there as it was before the click.
    const std::vector<unsigned char> during = window.readPixels();
    // Grass beside and below the panel, clear of the lettering.
    const int spots[][2] = {{700, 20}, {400, 395}, {20, 400}, {780, 300}};
    for (const auto& spot : spots) {
        const size_t at = (static_cast<size_t>(spot[1]) * kWidth + spot[0]) * 4;
        const Bytes was(before.begin() + at, before.begin() + at + 3);
        const Bytes is(during.begin() + at, during.begin() + at + 3);
        EXPECT_NE(was, (Bytes{255, 255, 255})) << "the artwork covers " << spot[0];
        EXPECT_EQ(is, was) << "at " << spot[0] << ", " << spot[1];
    }
}

TEST_F(TitleScreenTest, StartButtonReactsOnlyBelowTheTopOfItsBar) {
    TitleScreen* title = install(32, 2, 32, 2);
    // The bar's image reaches up to 208 units, its rectangle to 176.
    click({512.0f, 200.0f});
    EXPECT_FALSE(title->startRequested);
    EXPECT_EQ(window.application.currentState, title);
    pushMotion(kStart);
    pushButton(true, kStart);
    pushButton(false, kStart);
    window.application.runOnce();
    EXPECT_EQ(window.application.stateKind, Application::StateBattle);
}

TEST_F(TitleScreenTest, StartAndEscapeInOnePassQuitWithoutABattle) {
    TitleScreen* title = install(32, 2, 32, 2);
    pushButton(true, kStart);
    pushButton(false, kStart);
    pushKey(SDLK_ESCAPE);
    EXPECT_FALSE(window.application.runOnce());
    EXPECT_EQ(window.application.currentState, title);
    EXPECT_EQ(window.application.stateKind, Application::StateTitle);
}

TEST_F(TitleScreenTest, EscapeQuitsAndOtherKeysDoNothing) {
    TitleScreen* title = install(32, 2, 32, 2);
    pushKey(SDLK_q);
    pushKey(SDLK_z);
    EXPECT_TRUE(window.application.runOnce());
    EXPECT_FALSE(window.application.quitRequested);
    EXPECT_EQ(window.application.currentState, title);
    pushKey(SDLK_ESCAPE);
    EXPECT_FALSE(window.application.runOnce());
    EXPECT_TRUE(window.application.quitRequested);
}

TEST_F(TitleScreenTest, KeysMoveTheFocusInReadingOrderButThePointerDoesNot) {
    TitleScreen* title = install(32, 2, 32, 2);
    EXPECT_EQ(title->focus.current(), TitleScreen::ItemEnterWar);
    const auto after = [&](SDLKey sym, SDLMod mod = KMOD_NONE) {
        SDL_keysym key{};
        key.sym = sym;
        key.mod = mod;
        title->keyDown(key);
        title->keyUp(key);
        return title->focus.current();
    };
    EXPECT_EQ(after(SDLK_DOWN), TitleScreen::ItemSettings);
    EXPECT_EQ(after(SDLK_DOWN), TitleScreen::ItemHowToPlay);
    EXPECT_EQ(after(SDLK_DOWN), TitleScreen::ItemReplays);
    EXPECT_EQ(after(SDLK_TAB), TitleScreen::ItemLeftCivilians);
    EXPECT_EQ(after(SDLK_TAB, KMOD_LSHIFT), TitleScreen::ItemReplays);
    EXPECT_EQ(after(SDLK_UP), TitleScreen::ItemHowToPlay);
    EXPECT_EQ(after(SDLK_UP), TitleScreen::ItemSettings);
    for (const int item :
         {TitleScreen::ItemEnterWar, TitleScreen::ItemRightFighters, TitleScreen::ItemLeftFighters,
          TitleScreen::ItemRightCivilians, TitleScreen::ItemLeftCivilians}) {
        EXPECT_EQ(after(SDLK_UP), item);
    }
    // Left and Right step the focused number; pointing leaves the focus be.
    after(SDLK_RIGHT);
    after(SDLK_TAB);
    after(SDLK_LEFT);
    EXPECT_EQ(title->numbers.leftCivilians, 33);
    EXPECT_EQ(title->numbers.rightCivilians, 31);
    pushMotion(kStart);
    window.application.runOnce();
    EXPECT_EQ(title->focus.current(), TitleScreen::ItemRightCivilians);
    // Return on a number starts the battle with the numbers chosen.
    pushKey(SDLK_RETURN);
    window.application.runOnce();
    EXPECT_EQ(window.application.stateKind, Application::StateBattle);
    EXPECT_EQ(window.application.numbers.rightCivilians, 31);
}

TEST_F(TitleScreenTest, PointerFollowsTheMouseWithItsTipOnIt) {
    TitleScreen* title = install(32, 2, 32, 2);
    EXPECT_EQ(title->cursorX, 0.0f);
    EXPECT_EQ(title->cursorY, 0.0f);
    window.application.draw();
    const std::vector<unsigned char> atStart = window.readPixels();

    // Pixel (400, 300) from the top-left: 13 pixels left of it is 387, which
    // is 387 * 1.28 = 495.36 units; 300 pixels down is 384 units up, less 53.
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 400;
    motion.motion.y = 300;
    ASSERT_EQ(SDL_PushEvent(&motion), 0);
    window.application.runOnce();
    EXPECT_FLOAT_EQ(title->cursorX, 495.36f);
    EXPECT_FLOAT_EQ(title->cursorY, 331.0f);
    window.application.draw();
    const std::vector<unsigned char> moved = window.readPixels();

    // Until the first move the pointer sat in the lower-left corner: that
    // corner changes when it leaves, and so does the place it goes to.
    auto regionDiffers = [&](int left, int bottom, int size) {
        for (int y = bottom; y < bottom + size; ++y) {
            for (int x = left; x < left + size; ++x) {
                const size_t at = (static_cast<size_t>(y) * kWidth + x) * 4;
                for (int c = 0; c < 3; ++c) {
                    if (atStart[at + c] != moved[at + c]) {
                        return true;
                    }
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(regionDiffers(0, 0, 48));
    // The image's lower-left corner is at window pixel (387, 258.6).
    EXPECT_TRUE(regionDiffers(388, 260, 48));
}

TEST_F(TitleScreenTest, HoverStateFollowsThePointerInWindowPixels) {
    TitleScreen* title = install(32, 2, 32, 2);
    pushMotion(kRightFightersMore);
    window.application.runOnce();
    for (size_t i = 0; i < title->widgets.size(); ++i) {
        const auto* button = static_cast<const Button*>(title->widgets[i]);
        EXPECT_EQ(button->buttonState, i == 7 ? Button::StateOver : Button::StateUp)
            << "button " << i;
    }
    pushButton(true, kRightFightersMore);
    window.application.runOnce();
    EXPECT_EQ(static_cast<const Button*>(title->widgets[7])->buttonState, Button::StateDown);
    // Dragged away and released elsewhere: nothing changes.
    pushMotion({100.0f, 700.0f});
    pushButton(false, {100.0f, 700.0f});
    window.application.runOnce();
    EXPECT_EQ(static_cast<const Button*>(title->widgets[7])->buttonState, Button::StateUp);
    EXPECT_EQ(title->numbers.rightFighters, 2);
}

TEST_F(TitleScreenTest, DestructionWritesTheTableItRead) {
    const Bytes table = [] {
        Bytes all = record(32, 32, 2, 2, 200);
        const Bytes second = record(1, 2, 3, 4, 5);
        all.insert(all.end(), second.begin(), second.end());
        return all;
    }();
    writeScores(table);
    TitleScreen* title = install(32, 2, 32, 2);
    EXPECT_EQ(title->highScore, 200);
    std::filesystem::remove(path);
    {
        CaptureStdout quiet;
        delete title;
        window.application.currentState = nullptr;
    }
    EXPECT_EQ(readScores(), table);
}

}  // namespace
