// The player's person laying and fetching bricks in a real battle, and its
// motion trail on the screen.
#include <gtest/gtest.h>

#include <vector>

#include "battle/GamePlay.h"
#include "people/Person.h"
#include "people/PlayerControlled.h"
#include "tests/support/GlWindow.h"

namespace {

SDL_keysym keyOf(SDLKey sym) {
    SDL_keysym key{};
    key.sym = sym;
    return key;
}

class PlayerBattleTest : public testing::Test {
  protected:
    PlayerBattleTest() : battle(new GamePlay(&window.application, {0, 0, 0, 0}, 4)) {}
    ~PlayerBattleTest() override { delete battle; }

    Person& person() const { return *battle->people[0]; }
    PlayerControlled& player() const { return *battle->player; }
    void press(SDLKey sym) { battle->keyDown(keyOf(sym)); }
    void release(SDLKey sym) { battle->keyUp(keyOf(sym)); }

    // Nothing but the player's person, on white.
    std::vector<unsigned char> drawPlayerAlone() {
        window.clear();
        person().draw();
        return window.readPixels();
    }

    // Whether any pixel of the window row y, across the person's sprite,
    // differs between the two pictures.
    bool rowDiffers(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b,
                    int y) const {
        const int x0 = static_cast<int>(person().x);
        for (int x = x0; x < x0 + 64; ++x) {
            const size_t at = (static_cast<size_t>(y) * window.application.width + x) * 4;
            for (int channel = 0; channel < 4; ++channel) {
                if (a[at + channel] != b[at + channel]) {
                    return true;
                }
            }
        }
        return false;
    }

    // The player's person moved up from 300 for three ticks with the given
    // load, drawn; then the same place drawn after standing still there.
    void drawMovedAndStill(bool left, bool right, std::vector<unsigned char>& moved,
                           std::vector<unsigned char>& still) {
        person().setPosition(480.0f, 300.0f);
        player().hasLeftBrick = left;
        player().hasRightBrick = right;
        press(SDLK_UP);
        for (int tick = 0; tick < 3; ++tick) {
            person().tick();
        }
        release(SDLK_UP);
        moved = drawPlayerAlone();
        for (int tick = 0; tick < 3; ++tick) {
            person().tick();
        }
        still = drawPlayerAlone();
    }

    GlWindow window{1024, 768};
    GamePlay* battle;
};

TEST_F(PlayerBattleTest, TwoPressesBeforeATickLayTwoBricksAtOneHeight) {
    press(SDLK_z);
    press(SDLK_z);
    EXPECT_EQ(battle->leftBricks, (std::vector<float>{352.0f, 352.0f}));
    EXPECT_TRUE(player().hasLeftBrick) << "carried until the next tick";
    person().tick();
    EXPECT_FALSE(player().hasLeftBrick);
    EXPECT_TRUE(player().hasRightBrick);
}

TEST_F(PlayerBattleTest, ABrickKeyWithoutThatBrickInTheMiddleDoesNothing) {
    press(SDLK_x);
    person().tick();
    ASSERT_FALSE(player().hasRightBrick);
    press(SDLK_x);
    EXPECT_EQ(battle->rightBricks, std::vector<float>{352.0f});
    EXPECT_FALSE(player().hasRightBrick);
    EXPECT_FALSE(player().rightBrickLaid);
    EXPECT_TRUE(battle->leftBricks.empty());
}

TEST_F(PlayerBattleTest, BricksAreFetchedAtTheTopAndLaidWhereThePersonStands) {
    press(SDLK_z);
    press(SDLK_x);
    person().tick();
    press(SDLK_UP);
    int ticks = 0;
    while (person().y < 628.0f && ticks < 100) {
        person().tick();
        ++ticks;
    }
    EXPECT_EQ(person().y, 632.0f) << "8 units a frame from 352 with no brick";
    release(SDLK_UP);
    press(SDLK_z);
    EXPECT_TRUE(player().hasLeftBrick);
    EXPECT_EQ(battle->leftBricks.size(), 1u) << "picking up lays nothing";
    press(SDLK_DOWN);
    person().tick();
    EXPECT_EQ(person().y, 626.0f) << "one brick: 6 units";
    release(SDLK_DOWN);
    press(SDLK_z);
    EXPECT_EQ(battle->leftBricks, (std::vector<float>{352.0f, 626.0f}));
}

TEST_F(PlayerBattleTest, AtFullSpeedTheTrailReachesThreeTicksBack) {
    std::vector<unsigned char> moved;
    std::vector<unsigned char> still;
    drawMovedAndStill(false, false, moved, still);
    // Now at 324, from 300: trail images at 300 + 24 t for t = 0 .. 0.75,
    // the first one invisible (alpha 0): the trail starts with the image at 303.
    ASSERT_EQ(person().y, 324.0f);
    EXPECT_FALSE(rowDiffers(moved, still, 302));
    EXPECT_TRUE(rowDiffers(moved, still, 305));
}

TEST_F(PlayerBattleTest, WithOneBrickTheTrailReachesTwoTicksBack) {
    std::vector<unsigned char> moved;
    std::vector<unsigned char> still;
    drawMovedAndStill(true, false, moved, still);
    // Now at 318 after steps of 6; from 306: images at 306 + 12 t, the first
    // visible one at 307.5.
    ASSERT_EQ(person().y, 318.0f);
    EXPECT_FALSE(rowDiffers(moved, still, 305));
    EXPECT_FALSE(rowDiffers(moved, still, 306));
    EXPECT_TRUE(rowDiffers(moved, still, 310));
}

TEST_F(PlayerBattleTest, WithTwoBricksThereIsNoTrail) {
    std::vector<unsigned char> moved;
    std::vector<unsigned char> still;
    drawMovedAndStill(true, true, moved, still);
    ASSERT_EQ(person().y, 312.0f);
    EXPECT_TRUE(moved == still);
}

}  // namespace
