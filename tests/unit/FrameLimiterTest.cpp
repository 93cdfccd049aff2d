// The main loop's pace, on a clock the test moves by hand: drawing a frame
// takes whatever time the test says, sleeping takes exactly what was asked.
#include "app/FrameLimiter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

constexpr std::int64_t kMillisecond = 1000000;
constexpr std::int64_t kSecond = 1000 * kMillisecond;

class FrameLimiterTest : public testing::Test {
  protected:
    // A frame that takes `drawing` to draw and show, then the limiter's wait.
    void frame(std::int64_t drawing) {
        now += drawing;
        limiter.frameShown();
    }
    // Runs the game's loop for `seconds` against a display that refreshes
    // `centihertz` hundredths of times a second: drawing takes 2 to 11 ms,
    // then the swap returns at the next refresh (at once with 0, no sync),
    // up to 1 ms late, as a busy desktop has it. Returns the frames shown;
    // adds to `repeats` the refreshes that showed no new frame.
    int runAgainstDisplay(std::int64_t centihertz, int seconds, int* repeats) {
        const std::int64_t end = now + seconds * kSecond;
        const std::int64_t centisecond = 100 * kSecond;
        std::int64_t lastRefresh = -1;
        std::minstd_rand swapDelay;
        int frames = 0;
        for (; now < end; ++frames) {
            now += (2 + frames % 10) * kMillisecond;
            if (centihertz > 0) {
                const std::int64_t refresh = (now * centihertz + centisecond - 1) / centisecond;
                now = refresh * centisecond / centihertz + swapDelay() % kMillisecond;
                *repeats += lastRefresh < 0 ? 0 : static_cast<int>(refresh - lastRefresh - 1);
                lastRefresh = refresh;
            }
            limiter.frameShown();
        }
        return frames;
    }
    // When frame n after `start` is due, 1/60 s apart.
    static std::int64_t due(std::int64_t start, std::int64_t n) { return start + n * kSecond / 60; }

    std::int64_t now = 5 * kSecond;
    std::int64_t slept = 0;
    FrameLimiter limiter{[this] { return now; },
                         [this](std::int64_t nanoseconds) {
                             ASSERT_GT(nanoseconds, 0);
                             now += nanoseconds;
                             slept += nanoseconds;
                         }};
};

TEST_F(FrameLimiterTest, FramesAreDueEverySixtiethOfASecondFromTheFirstWithoutDrift) {
    const std::int64_t first = now + 3 * kMillisecond;
    frame(3 * kMillisecond);
    EXPECT_EQ(now, first) << "the first frame has nothing to wait for";
    frame(5 * kMillisecond);
    EXPECT_EQ(now, due(first, 1)) << "the next frame waits for its time";
    for (int n = 2; n <= 600; ++n) {
        frame(5 * kMillisecond);
        ASSERT_EQ(now, due(first, n)) << "frame " << n;
    }
    EXPECT_EQ(now - first, 10 * kSecond);
    // A late frame, less than three frames behind, does not wait, nor does the
    // quick one after it; then the old schedule holds again.
    slept = 0;
    frame(40 * kMillisecond);
    frame(kMillisecond);
    EXPECT_EQ(slept, 0) << "still behind";
    frame(kMillisecond);
    EXPECT_EQ(now, due(first, 603)) << "back on the schedule";
}

TEST_F(FrameLimiterTest, MoreThanThreeFramesBehindTheScheduleStartsAgainFromNow) {
    const std::int64_t first = now + kMillisecond;
    frame(kMillisecond);
    frame(kMillisecond);
    frame(kMillisecond);
    EXPECT_EQ(now, due(first, 2));
    // A stall of more than three frames: no burst of catch-up frames.
    const std::int64_t sleptBefore = slept;
    frame(5 * kSecond / 60 + kMillisecond);
    const std::int64_t restart = now;
    EXPECT_EQ(slept, sleptBefore) << "no wait after the stalled frame";
    frame(kMillisecond);
    EXPECT_EQ(now, due(restart, 1));
    frame(2 * kMillisecond);
    EXPECT_EQ(now, due(restart, 2));

    // Exactly three frames behind is still caught up with, on the same schedule.
    frame(due(restart, 6) - due(restart, 2));
    slept = 0;
    frame(0);
    frame(0);
    frame(0);
    EXPECT_EQ(slept, 0) << "three frames with no wait";
    frame(0);
    EXPECT_EQ(now, due(restart, 7));
}

// A display that syncs at 60.05 Hz paces the game alone: one step each
// refresh, none shown twice (a deadline of ours would drift past one every
// 20 s).
TEST_F(FrameLimiterTest, DisplayThatSyncsNearSixtyHertzShowsEveryStepOnce) {
    int repeats = 0;
    EXPECT_NEAR(runAgainstDisplay(6005, 600, &repeats), 600 * 60.05, 2);
    EXPECT_EQ(repeats, 0);
}

TEST_F(FrameLimiterTest, WithoutSyncAndOnFastDisplaysStepsStaySixtyASecond) {
    int repeats = 0;
    for (const std::int64_t centihertz : {0, 12000, 14400}) {
        EXPECT_NEAR(runAgainstDisplay(centihertz, 10, &repeats), 600, 10) << centihertz;
    }
}

}  // namespace
