#ifndef TRUCEWARD_AUDIO_SOUNDS_H
#define TRUCEWARD_AUDIO_SOUNDS_H

#include <string>

#include "audio/GainGlide.h"
#include "audio/LoadedSound.h"
#include "audio/Voice.h"

// The battle's three sound effects, decoded whole at start-up and mixed into
// every output block, panned by where they happen on the field.
//
// Threads: playSound on the main thread, audioBlock on the audio thread,
// sharing the voices without a lock (see Voice). The loaded sounds are
// written only while constructing and are read-only afterwards.
class Sounds {
  public:
    enum SoundType { SoundShot = 0, SoundPersonDying = 1, SoundBrickPuff = 2 };
    static constexpr int kSoundCount = 3;
    static constexpr int kVoiceCount = 396;
    // Field positions run from 0 (left edge) to this (right edge).
    static constexpr float kFieldWidth = 1024.0f;
    // The rate the effect files are made for (nothing resamples them).
    static constexpr int kSoundRate = 44100;
    // Far longer than any effect: a longer file is cut there, and a header
    // claiming more is not believed.
    static constexpr int kMaxSoundSeconds = 10;
    static constexpr int kMaxSoundFrames = kMaxSoundSeconds * kSoundRate;

    // The process-wide player, loading from BackgroundMusic::getSoundsPath()
    // on the first call.
    static Sounds* getInstance();

    // A player of its own that loads the three files from `directory` (which
    // ends in a slash; "" when there is none, and nothing loads). Each file that
    // fails is reported on standard output and stays silent. A file longer
    // than kMaxSoundFrames is cut there, and samples beyond -1..1 are clamped
    // there; each with one line on standard output naming the file.
    explicit Sounds(const std::string& directory);
    Sounds(const Sounds&) = delete;
    Sounds& operator=(const Sounds&) = delete;
    ~Sounds() = default;

    // Main thread: starts one effect at field position x (0 left .. 1024
    // right; not clamped). Does nothing for a sound that failed to load, and
    // drops the effect when all voices are playing. Prints nothing.
    void playSound(SoundType type, float x);
    // Audio thread: adds every playing effect into `output`, `frames`
    // interleaved stereo frames, at the gain of setGain. An effect starts
    // with the first block mixed after playSound and contributes exactly its
    // length in frames. Never allocates, locks, waits or prints.
    void audioBlock(float* output, int frames);
    // Any thread: the effects' own gain (1 leaves them as they are, 0
    // silences them), reached over the next block mixed, without a click.
    void setGain(float gain);

    // "shot.ogg", "personDying.ogg" or "brickPuff.ogg".
    static const char* fileName(SoundType type);

    Voice voices[kVoiceCount];
    LoadedSound sounds[kSoundCount];

  private:
    void loadFiles(const std::string& directory);
    static void loadFile(const std::string& path, LoadedSound* sound);
    // Adds the voice at a gain that starts at `gain` and moves by `gainStep`
    // a frame.
    static void mixVoice(Voice* voice, float* output, int frames, float gain, float gainStep);

    GainGlide gain;
};

#endif
