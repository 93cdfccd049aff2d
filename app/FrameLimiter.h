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
// drift past a refresh every 20 s and show a frame twice. All the limiter
// sees is when a frame has been shown (after the buffer swap returned). A
// frame shown within 1/kPacedShare of a frame of its due time, without a
// wait of ours, tells of a display that keeps the pace: from then on the
// limiter waits for nothing while frames come no faster than 1 % over 60 a
// second, give or take a swap's delay. Frames that come faster (a display
// without sync, or at 120 Hz) are paced by the schedule again. The first
// frame has nothing to wait for: a wait there alone would miss a refresh.
class FrameLimiter {
  public:
    // Nanoseconds on a clock that never goes back, and a way to wait some.
    using Clock = std::function<std::int64_t()>;
    using Sleep = std::function<void(std::int64_t)>;

    static constexpr int kFramesPerSecond = 60;
    static constexpr int kMostFramesBehind = 3;
    // A frame shown within a hundredth of a frame of its time was on time.
    static constexpr int kPacedShare = 100;
    // A swap may return up to an eighth of a frame (2 ms) after the refresh:
    // the desktop's compositor or the scheduler can hold it up.
    static constexpr int kSwapDelayShare = 8;

    // The steady clock and the thread's own sleep.
    FrameLimiter();
    FrameLimiter(Clock clock, Sleep sleep);

    // Called once a frame has been shown: sleeps until the next one is due,
    // unless the display keeps the pace.
    void frameShown();

  private:
    // When frame `frame` of the current schedule is due.
    std::int64_t dueTime(std::int64_t frame) const;
    // A new schedule, whose frame 0 is shown at `now`.
    void startSchedule(std::int64_t now);

    Clock clock;
    Sleep sleep;
    bool started = false;
    // Whether the display's refreshes set the pace (see the class).
    bool displayPaces = false;
    std::int64_t scheduleStart = 0;
    // Frames shown since the schedule started.
    std::int64_t framesShown = 0;
};

#endif
