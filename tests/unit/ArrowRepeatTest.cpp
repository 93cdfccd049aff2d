// A held arrow: one click stays one step, then ten steps a second after 0.4 s.
#include "title/ArrowRepeat.h"

#include <gtest/gtest.h>

namespace {

TEST(ArrowRepeat, WaitsThenStepsTenASecondUntilReleased) {
    ArrowRepeat repeat;
    repeat.press(3, 10000);
    EXPECT_EQ(repeat.stepsDue(10399), 0);
    EXPECT_FALSE(repeat.repeated());
    EXPECT_EQ(repeat.stepsDue(10400), 1);
    EXPECT_EQ(repeat.stepsDue(10450), 0);
    EXPECT_EQ(repeat.stepsDue(10500), 1);
    EXPECT_TRUE(repeat.repeated());
    // A late frame takes every step it missed; two seconds held make 17.
    EXPECT_EQ(repeat.stepsDue(12000), 15);
    repeat.release();
    EXPECT_EQ(repeat.held(), ArrowRepeat::kNone);
    EXPECT_FALSE(repeat.repeated());
    EXPECT_EQ(repeat.stepsDue(20000), 0);
    // The clock wrapping round between press and step changes nothing.
    repeat.press(0, 0xFFFFFF00u);
    EXPECT_EQ(repeat.stepsDue(0xFFFFFF00u + 400), 1);
}

}  // namespace
