#ifndef TRUCEWARD_APP_FRAMELIMITER_H
#define TRUCEWARD_APP_FRAMELIMITER_H

#include <cstdint>
#include <functional>

// Keeps the main loop at 60 frames a second where the display does not: every
// speed and timer of the game counts frames, so without it a driver without
// vertical sync (or a 144 Hz display) would run the whole game too fast.
// Frames are due every 1/60 s from the first; a loop that has fallen more than
// three frames behind starts the schedule again rather than rushing to catch up.
//
// A display that syncs at nearly 60 Hz paces the loop itself, and a deadline
// of our own would fight it: at 60.05 Hz, sleeping to our schedule would
// drift past a refresh every 20 s and show a frame twice. So a frame shown
// within 1/kPacedShare of a frame of its due time counts as paced by the
// display, and the schedule starts again from it, without a wait. All the
// limiter sees is when a frame has been shown (after the buffer swap
// returned); for the same reason the first frame has nothing to wait for.
class FrameLimiter {
  public:
    // Nanoseconds on a clock that never goes back, and a way to wait some.
    using Clock = std::function<std::int64_t()>;
    using Sleep = std::function<void(std::int64_t)>;

    static constexpr int kFramesPerSecond = 60;
    static constexpr int kMostFramesBehind = 3;
    // A frame shown within a hundredth of a frame of its time was on time.
    static constexpr int kPacedShare = 100;

    // The steady clock and the thread's own sleep.
    FrameLimiter();
    FrameLimiter(Clock clock, Sleep sleep);

    // Called once a frame has been shown: sleeps until the next one is due.
    void frameShown();

  private:
    // When frame `frame` of the current schedule is due.
    std::int64_t dueTime(std::int64_t frame) const;
    // A new schedule, whose frame 0 is shown at `now`.
    void startSchedule(std::int64_t now);

    Clock clock;
    Sleep sleep;
    bool started = false;
    std::int64_t scheduleStart = 0;
    // Frames shown since the schedule started.
    std::int64_t framesShown = 0;
};

#endif
