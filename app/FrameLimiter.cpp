#include "app/FrameLimiter.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <utility>

namespace {
constexpr std::int64_t kNanosecondsPerSecond = 1000000000;
}  // namespace

FrameLimiter::FrameLimiter()
    : FrameLimiter(
          [] {
              return std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::steady_clock::now().time_since_epoch())
                  .count();
          },
          [](std::int64_t nanoseconds) {
              std::this_thread::sleep_for(std::chrono::nanoseconds(nanoseconds));
          }) {}

FrameLimiter::FrameLimiter(Clock clock, Sleep sleep)
    : clock(std::move(clock)), sleep(std::move(sleep)) {}

std::int64_t FrameLimiter::dueTime(std::int64_t frame) const {
    // Counted from the start each time, so that 1/60 s never drifts by rounding.
    return scheduleStart + frame * kNanosecondsPerSecond / kFramesPerSecond;
}

void FrameLimiter::startSchedule(std::int64_t now) {
    started = true;
    scheduleStart = now;
    framesShown = 0;
}

void FrameLimiter::frameShown() {
    const std::int64_t now = clock();
    if (!started) {
        startSchedule(now);
        return;
    }
    ++framesShown;
    const std::int64_t due = dueTime(framesShown);
    if (now - due > dueTime(kMostFramesBehind) - scheduleStart) {
        // Far behind (a stall, a slow machine): no burst of catch-up frames,
        // the next frame starts now and the schedule with it.
        startSchedule(now);
        return;
    }
    const std::int64_t frame = dueTime(1) - scheduleStart;
    const std::int64_t early = due - now;
    if (displayPaces) {
        // The display keeps the pace while frames come no earlier than a
        // swap's delay allows, and no faster than 1 % over 60 a second.
        if (early <= frame / kSwapDelayShare + framesShown * frame / kPacedShare) {
            // A second at a time, so that a display a little faster than
            // 60 Hz never gets far ahead of the schedule; never later than
            // the schedule, whatever delayed this frame.
            if (framesShown >= kFramesPerSecond) {
                startSchedule(std::min(now, due));
            }
            return;
        }
        displayPaces = false;
    } else if (std::abs(early) <= frame / kPacedShare) {
        // On time without our help: the display keeps the pace.
        displayPaces = true;
        startSchedule(std::min(now, due));
        return;
    }
    if (early > 0) {
        sleep(early);
    }
}
