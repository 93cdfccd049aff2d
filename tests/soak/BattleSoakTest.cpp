// The largest battle (the player and 99 of each kind) for 200 000 frames,
// headless: the heap in use stays flat, and the same seed gives the same
// battle. Under AddressSanitizer the same run also proves it leaks nothing.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "battle/GamePlay.h"
#include "tests/display/BattleSnapshot.h"
#include "tests/support/GlWindow.h"
#include "tests/support/HeapInUse.h"

namespace {

constexpr int kFrames = 200000;
constexpr int kLargest = 99;
constexpr std::uint32_t kSeed = 1234567;
// Lists only grow to the most they have held; a leak of a bullet or an effect
// every few frames would pass this many bytes by the end.
constexpr std::size_t kAllowedGrowth = 256 * 1024;

struct SoakResult {
    std::string finalState;
    std::size_t heapAtMiddle = 0;
    std::size_t heapAtEnd = 0;
    bool warOver = false;
};

SoakResult soak(Application& application) {
    SoakResult result;
    GamePlay battle(&application, {kLargest, kLargest, kLargest, kLargest}, kSeed);
    for (int frame = 0; frame < kFrames; ++frame) {
        battle.update();
        battle.advanceUnseen();
        battle.cleanUp();
        if (frame == kFrames / 2) {
            result.heapAtMiddle = heapInUse();
        }
    }
    result.heapAtEnd = heapInUse();
    result.finalState = BattleSnapshot::of(battle);
    result.warOver = battle.warOver;
    return result;
}

TEST(BattleSoak, TwoHundredThousandFramesStayFlatAndRepeatFromTheSeed) {
    GlWindow window(320, 240);
    const SoakResult first = soak(window.application);
    const SoakResult second = soak(window.application);
    EXPECT_LE(first.heapAtEnd, first.heapAtMiddle + kAllowedGrowth)
        << "the heap grew by " << (first.heapAtEnd - first.heapAtMiddle) << " bytes";
    EXPECT_LE(second.heapAtEnd, second.heapAtMiddle + kAllowedGrowth);
    EXPECT_EQ(first.finalState, second.finalState);
    EXPECT_EQ(first.warOver, second.warOver);
}

}  // namespace
