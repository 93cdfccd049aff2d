#ifndef TRUCEWARD_AUDIO_GAINGLIDE_H
#define TRUCEWARD_AUDIO_GAINGLIDE_H

#include <atomic>

// A gain set from any thread and followed by the audio thread, which glides
// to it over one block so that a change makes no click. No lock: the gain
// asked for is handed over through an atomic.
class GainGlide {
  public:
    // Any thread: the gain to reach over the next block mixed.
    void set(float gain) { wanted.store(gain, std::memory_order_relaxed); }

    // Audio thread, before a block of `frames`: how much the gain moves each
    // frame of it, from `current`.
    float beginBlock(int frames) {
        target = wanted.load(std::memory_order_relaxed);
        return frames > 0 ? (target - current) / static_cast<float>(frames) : 0.0f;
    }
    // Audio thread, after the block: the gain asked for, exactly, whatever the
    // rounding of the glide.
    void endBlock() { current = target; }

    // Audio thread: the gain now, which the mixer moves on as it glides.
    float current = 1.0f;

  private:
    static_assert(std::atomic<float>::is_always_lock_free, "a float gain needs a lock-free atomic");

    std::atomic<float> wanted{1.0f};
    float target = 1.0f;
};

#endif
