#ifndef TRUCEWARD_AUDIO_VOICE_H
#define TRUCEWARD_AUDIO_VOICE_H

#include <atomic>

// One playing sound effect, shared without a lock between the main thread,
// which starts it, and the audio thread, which mixes and ends it.
//
// Hand-off: the main thread only touches a voice it sees inactive, writes the
// other fields and sets `active` last (release). The audio thread reads
// `active` first (acquire), mixes, and alone ends a playing voice, zeroing
// the other fields and clearing `active` last (release).
struct Voice {
    Voice() = default;
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    // First sample of the sound being played; not owned.
    const float* data = nullptr;
    // Frames of that sound.
    int length = 0;
    // 0 sends everything left, 1 everything right.
    float pan = 0.0f;
    // Index of the next frame to mix; advances by one per output frame.
    // A float is exact far beyond any effect's length (2^24 frames).
    float position = 0.0f;
    std::atomic<bool> active{false};
};

#endif
