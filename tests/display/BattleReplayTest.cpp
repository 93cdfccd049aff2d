// A battle replays exactly from its seed, and a battle run without drawing
// evolves exactly as the drawn one.
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

}  // namespace
