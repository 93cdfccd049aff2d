#ifndef TRUCEWARD_TITLE_ARROWREPEAT_H
#define TRUCEWARD_TITLE_ARROWREPEAT_H

#include <cstdint>

// Turns an arrow held down into repeated steps: none for the first 0.4 s, so
// that a click stays one step, then ten a second for as long as it is held.
// Times are milliseconds of any clock that only goes forward (SDL_GetTicks).
class ArrowRepeat {
  public:
    static constexpr std::uint32_t kDelayMs = 400;
    static constexpr std::uint32_t kPeriodMs = 100;
    static constexpr int kNone = -1;

    // Arrow `arrow` (any index but kNone) went down at `now`.
    void press(int arrow, std::uint32_t now);
    // No arrow is held any more.
    void release();
    // The arrow held, or kNone.
    int held() const { return arrow; }
    // The steps that fell due since the last call, up to `now`.
    int stepsDue(std::uint32_t now);
    // Whether the arrow held has repeated at all: its release is then no click.
    bool repeated() const { return stepsTaken > 0; }

  private:
    int arrow = kNone;
    std::uint32_t pressedAt = 0;
    int stepsTaken = 0;
};

#endif
