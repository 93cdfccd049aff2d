// The lives of the muzzle flash, the smoke puff and the ghost, counted in the
// frames the battle draws (advance() is what one drawn frame does to them).
#include <gtest/gtest.h>

#include <vector>

#include "battle/Effect.h"
#include "battle/Ghost.h"

namespace {

void expectFortyFiveFrameLife(Effect& effect) {
    EXPECT_FALSE(effect.fading);
    EXPECT_EQ(effect.level, 0.5f);
    // Growing: 0.5 + 0.125 per frame reaches exactly 2 on the 12th frame.
    for (int frame = 1; frame <= 11; ++frame) {
        effect.advance();
        ASSERT_FALSE(effect.fading) << "frame " << frame;
        ASSERT_EQ(effect.level, 0.5f + 0.125f * static_cast<float>(frame));
    }
    effect.advance();
    EXPECT_TRUE(effect.fading);
    EXPECT_EQ(effect.level, 2.0f);
    // Fading by 0.06125 a frame: 2 - 32 x 0.06125 = 0.04 is still showing,
    // 2 - 33 x 0.06125 = -0.02125 is done, after 12 + 33 = 45 frames.
    for (int frame = 13; frame <= 44; ++frame) {
        effect.advance();
        ASSERT_GT(effect.level, 0.0f) << "frame " << frame;
    }
    EXPECT_NEAR(effect.level, 0.04f, 1e-5f);
    effect.advance();
    EXPECT_LE(effect.level, 0.0f);
    EXPECT_NEAR(effect.level, -0.02125f, 1e-5f);
}

TEST(EffectTest, AShotBangShowsFor45Frames) {
    Effect bang(Effect::KindShotBang, false, 300.0f);
    expectFortyFiveFrameLife(bang);
}

TEST(EffectTest, ASmokePffShowsFor45Frames) {
    Effect puff(Effect::KindSmokePff, true, 300.0f);
    expectFortyFiveFrameLife(puff);
}

TEST(EffectTest, EffectsShowAtTheirSidesFixedPlaces) {
    EXPECT_EQ(Effect(Effect::KindShotBang, false, 1.0f).x, 186.0f);
    EXPECT_EQ(Effect(Effect::KindShotBang, true, 1.0f).x, 780.0f);
    EXPECT_EQ(Effect(Effect::KindSmokePff, false, 1.0f).x, 440.0f);
    EXPECT_EQ(Effect(Effect::KindSmokePff, true, 1.0f).x, 520.0f);
    EXPECT_EQ(Effect(Effect::KindSmokePff, true, 17.5f).y, 17.5f);
    EXPECT_EQ(Effect(Effect::KindShotBang, false, 17.5f).y, 17.5f);
}

TEST(EffectTest, AGhostFadesOverSixteenFramesAndStopsAtZero) {
    Ghost ghost(12.0f, 34.0f);
    EXPECT_EQ(ghost.x, 12.0f);
    EXPECT_EQ(ghost.y, 34.0f);
    EXPECT_EQ(ghost.alpha, 1.0f);
    for (int frame = 1; frame <= 15; ++frame) {
        ghost.advance();
        ASSERT_EQ(ghost.alpha, 1.0f - 0.0625f * static_cast<float>(frame));
        ASSERT_GT(ghost.alpha, 0.0f);
    }
    ghost.advance();
    EXPECT_EQ(ghost.alpha, 0.0f);
    ghost.advance();
    EXPECT_EQ(ghost.alpha, 0.0f) << "no negative alpha";
}

}  // namespace
