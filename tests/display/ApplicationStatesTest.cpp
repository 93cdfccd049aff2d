// Switching between the title screen and the battle.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/Application.h"
#include "battle/GamePlay.h"
#include "replay/ReplayShelf.h"
#include "scores/HighScoresLoader.h"
#include "tests/support/CaptureStdout.h"
#include "tests/support/GlWindow.h"
#include "title/TitleScreen.h"

namespace {

TEST(ApplicationStates, StartsOnTheTitleScreenWithTwoFightersAndThirtyTwoCiviliansASide) {
    GlWindow window(320, 240);
    Application& application = window.application;
    EXPECT_EQ(application.stateKind, Application::StateTitle);
    const TitleScreen* title = dynamic_cast<const TitleScreen*>(application.currentState);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->numbers.leftCivilians, 32);
    EXPECT_EQ(title->numbers.leftFighters, 2);
    EXPECT_EQ(title->numbers.rightCivilians, 32);
    EXPECT_EQ(title->numbers.rightFighters, 2);
}

TEST(ApplicationStates, NextStateAlternatesAndHandsOnTheNumbersInOrder) {
    GlWindow window(320, 240);
    Application& application = window.application;
    application.setNumbers({5, 1, 7, 3});

    application.nextState();
    EXPECT_EQ(application.stateKind, Application::StateBattle);
    const GamePlay* battle = dynamic_cast<const GamePlay*>(application.currentState);
    ASSERT_NE(battle, nullptr);
    EXPECT_EQ(battle->numbers.leftCivilians, 5);
    EXPECT_EQ(battle->numbers.leftFighters, 1);
    EXPECT_EQ(battle->numbers.rightCivilians, 7);
    EXPECT_EQ(battle->numbers.rightFighters, 3);

    application.nextState();
    EXPECT_EQ(application.stateKind, Application::StateTitle);
    const TitleScreen* title = dynamic_cast<const TitleScreen*>(application.currentState);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->numbers.leftCivilians, 5);
    EXPECT_EQ(title->numbers.leftFighters, 1);
    EXPECT_EQ(title->numbers.rightCivilians, 7);
    EXPECT_EQ(title->numbers.rightFighters, 3);

    application.nextState();
    EXPECT_NE(dynamic_cast<const GamePlay*>(application.currentState), nullptr);
    // The new state receives the frames.
    EXPECT_TRUE(application.runOnce());
}

// A save replaces a file by a new one: the same inode means no save.
ino_t inodeOf(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(ApplicationStates, WatchingAReplayComesBackToATitleScreenThatFilesNothing) {
    const CaptureStdout quiet;
    GlWindow window(320, 240);
    Application& application = window.application;
    application.setNumbers({1, 1, 1, 1});
    application.nextState();
    SDL_keysym escape{};
    escape.sym = SDLK_ESCAPE;
    for (int frame = 0; frame < 100; ++frame) {
        application.draw();
    }
    application.currentState->keyDown(escape);
    const std::string table = HighScoresLoader::filePath();
    const std::string last = ReplayShelf::folder() + "/" + ReplayShelf::lastName();
    const ino_t kept = inodeOf(last);
    ASSERT_NE(kept, 0u) << "the battle left was not kept";

    // The title screen that goes saves its table as it always does.
    ASSERT_TRUE(application.watch(last));
    EXPECT_EQ(application.stateKind, Application::StateReplay);
    const ino_t saved = inodeOf(table);
    for (int frame = 0; frame < 120; ++frame) {
        application.draw();
    }
    application.currentState->keyDown(escape);
    EXPECT_EQ(application.stateKind, Application::StateTitle);
    EXPECT_EQ(inodeOf(table), saved) << "the title screen after watching filed something";
    EXPECT_EQ(inodeOf(last), kept) << "watching wrote a replay";
    EXPECT_FALSE(application.watch(table)) << "the table is no replay";
}

}  // namespace
