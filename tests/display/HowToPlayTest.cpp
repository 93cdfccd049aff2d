// What teaches the game, drawn on a real window: the live battle of HOW TO
// PLAY keeps to its box and its scripted player stops bullets with bricks;
// the first battles' hint never covers the player's own person.
#include <gtest/gtest.h>

#include <vector>

#include "battle/GamePlay.h"
#include "people/Person.h"
#include "tests/support/GlWindow.h"
#include "title/LiveBattle.h"

namespace {

constexpr int kWidth = 512;
constexpr int kHeight = 384;

TEST(HowToPlay, TheLiveBattleKeepsToItsBoxAndItsPlayerStopsABullet) {
    GlWindow window(kWidth, kHeight);
    LiveBattle live(&window.application);
    // The box's lower-left corner at logical (256, 192), half the screen wide:
    // window pixels 128 .. 384 across and 96 .. 288 up.
    bool stopped = false;
    std::vector<unsigned char> pixels;
    for (int frame = 0; frame < 60 * 60 && !stopped; ++frame) {
        window.clear();
        live.draw(256.0f, 192.0f, 512.0f);
        stopped = !live.battle->smokePffs.empty();
        pixels = window.readPixels();
    }
    EXPECT_TRUE(stopped) << "no brick stopped a bullet in a minute";
    int drawnOutside = 0;
    int drawnInside = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool white = pixels[(static_cast<size_t>(y) * kWidth + x) * 4] == 255;
            const bool inside = x >= 128 && x < 384 && y >= 96 && y < 288;
            (inside ? drawnInside : drawnOutside) += white ? 0 : 1;
        }
    }
    EXPECT_EQ(drawnOutside, 0);
    // Only its white lettering (the score) and smoke may look like the page.
    EXPECT_GT(drawnInside, 256 * 192 * 9 / 10) << "the field fills its box";
}

// Two battles of one seed, one with the hint, the player's person set at a
// height: around the person (its marker reaches 32 units beyond its cell),
// both show the same pixels.
TEST(HowToPlay, TheHintNeverCoversThePlayersPerson) {
    GlWindow window(1024, 768);
    for (const float height : {0.0f, 120.0f, 351.0f, 352.0f, 500.0f, 704.0f}) {
        std::vector<unsigned char> around[2];
        for (const bool hinted : {false, true}) {
            GamePlay battle(&window.application, {32, 2, 32, 2}, 11u);
            battle.showsHint = hinted;
            Person& own = *battle.people.front();
            own.setPosition(own.x, height);
            window.clear();
            battle.draw();
            around[hinted] = window.region(
                static_cast<int>(own.x) - 32, std::max(0, static_cast<int>(height) - 16),
                static_cast<int>(own.x) + 96, std::min(768, static_cast<int>(height) + 112));
        }
        EXPECT_EQ(around[0], around[1]) << "the person at " << height;
    }
}

}  // namespace
