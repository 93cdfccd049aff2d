// Preloaded into the game (LD_PRELOAD) to stop the calendar clock at FIXED_TIME
// seconds since 1970: a battle is seeded with the time, so every battle of
// the game is then the battle of that seed, whenever the test runs. The
// clocks that pace the frames (SDL's ticks) keep running.
#include <cstdlib>
#include <ctime>

extern "C" time_t time(time_t* out) {
    const char* setting = std::getenv("FIXED_TIME");
    const time_t fixed = setting != nullptr ? std::strtoll(setting, nullptr, 10) : 0;
    if (out != nullptr) {
        *out = fixed;
    }
    return fixed;
}
