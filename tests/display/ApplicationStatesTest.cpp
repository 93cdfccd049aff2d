// Switching between the title screen and the battle.
#include <gtest/gtest.h>

#include "app/Application.h"
#include "battle/GamePlay.h"
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

}  // namespace
