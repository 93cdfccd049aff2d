#ifndef TRUCEWARD_AUDIO_LIMITER_H
#define TRUCEWARD_AUDIO_LIMITER_H

// Keeps the finished output block within full scale. Music and effects simply
// add up, and a big battle's stacked death cries sum far beyond 1, which the
// device would clip harshly; a small battle must sound exactly as it did.
//
// Contract of process(), on one block of interleaved stereo frames:
// - Unity gain, bit for bit: while no sample's magnitude exceeds kThreshold
//   and no earlier reduction is still recovering, the block is left untouched.
// - Above kThreshold one gain, shared by both channels so that the stereo
//   image holds, drops at once to what brings the frame under a soft knee
//   that bends from kThreshold towards 1 without reaching it. It holds while
//   frames keep reaching the threshold and kHoldFrames after the last; then
//   it recovers towards unity with a time constant of kReleaseFrames, and is
//   unity again (exactly) once within kUnitySnap of it.
// - No sample leaves -1..1; a sample that is not a finite number (NaN,
//   infinity) becomes silence, and the gain ignores it.
// - Never allocates, locks or waits: for the audio thread, which alone calls
//   it. The state carries from one block to the next: one Limiter per stream.
class Limiter {
  public:
    static constexpr float kThreshold = 0.9f;
    static constexpr float kCeiling = 1.0f;
    // 20 ms at 44100 Hz, longer than the gap between two peaks of any tone
    // above 25 Hz: a steady loud sound gets a steady gain, not one that
    // ripples with its own waveform.
    static constexpr int kHoldFrames = 882;
    // 0.1 s at 44100 Hz: a quieter moment after a burst is soon heard at its
    // own level again.
    static constexpr float kReleaseFrames = 4410.0f;
    // A gain within this of 1 counts as 1 (under a hundredth of a dB): in
    // float, the recovery's steps would round away short of unity.
    static constexpr float kUnitySnap = 1e-3f;

    Limiter() = default;
    // The gain belongs to one stream.
    Limiter(const Limiter&) = delete;
    Limiter& operator=(const Limiter&) = delete;

    // Limits `frames` interleaved stereo frames of `block` in place.
    void process(float* block, int frames);

  private:
    // What the loudest sample of a frame of magnitude `peak` may become.
    static float knee(float peak);
    void reduce(float* block, int frames);

    float currentGain = 1.0f;
    // Frames the gain still holds before it recovers.
    int holdLeft = 0;
};

#endif
