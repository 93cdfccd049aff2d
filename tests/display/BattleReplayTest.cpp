// A battle replays exactly from its seed, a battle run without drawing
// evolves exactly as the drawn one, and a pause changes nothing of it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "battle/GamePlay.h"
#include "scores/GameCounter.h"
#include "tests/display/BattleSnapshot.h"
#include "tests/support/GlWindow.h"

namespace {

class BattleReplayTest : public testing::Test {
  protected:
    // The end state after `frames` frames of a fresh battle, drawn or not.
    std::string play(std::uint32_t seed, int frames, bool drawn) {
        GamePlay battle(&window.application, {32, 3, 32, 3}, seed);
        for (int frame = 0; frame < frames; ++frame) {
            if (drawn) {
                window.clear();
                battle.draw();
            } else {
                battle.update();
                battle.advanceUnseen();
                battle.cleanUp();
            }
        }
        killed = GameCounter::getInstance()->getCount("Killed");
        warOver = battle.warOver;
        return BattleSnapshot::of(battle);
    }

    // A small window keeps the drawn frames cheap.
    GlWindow window{128, 96};
    int killed = 0;
    bool warOver = false;
};

TEST_F(BattleReplayTest, TheSameSeedGivesTheSameBattleAfterTenThousandFrames) {
    const std::string first = play(20240601u, 10000, false);
    EXPECT_LT(killed, 0) << "the war has had its dead";
    const std::string second = play(20240601u, 10000, false);
    EXPECT_EQ(first, second);
    EXPECT_NE(play(20240602u, 10000, false), first);
}

TEST_F(BattleReplayTest, FramesRunWithoutDrawingEvolveAsDrawnOnes) {
    const std::string unseen = play(77u, 2500, false);
    EXPECT_LT(killed, 0);
    const std::string drawn = play(77u, 2500, true);
    EXPECT_EQ(unseen, drawn);
}

TEST_F(BattleReplayTest, APausedBattleHoldsStillAndResumesAsTheSameBattle) {
    constexpr int kFrames = 1500;
    constexpr int kPauseAt = 700;
    const std::string straight = play(77u, kFrames, true);
    GamePlay battle(&window.application, {32, 3, 32, 3}, 77u);
    SDL_keysym key{};
    for (int frame = 0; frame < kFrames; ++frame) {
        if (frame == kPauseAt) {
            key.sym = SDLK_p;
            battle.keyDown(key);
            const std::string before = BattleSnapshot::of(battle);
            key.sym = SDLK_z;
            battle.keyDown(key);
            for (int still = 0; still < 60; ++still) {
                window.clear();
                battle.draw();
            }
            EXPECT_EQ(BattleSnapshot::of(battle), before) << "a paused battle moved";
            key.sym = SDLK_p;
            battle.keyDown(key);
        }
        window.clear();
        battle.draw();
    }
    EXPECT_EQ(BattleSnapshot::of(battle), straight);
}

}  // namespace
