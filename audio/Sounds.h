#ifndef TRUCEWARD_AUDIO_SOUNDS_H
#define TRUCEWARD_AUDIO_SOUNDS_H

// The battle's three sound effects, decoded whole at start-up and mixed into
// every output block, panned by where they happen on the field.
class Sounds {
  public:
    enum SoundType { SoundShot = 0, SoundPersonDying = 1, SoundBrickPuff = 2 };

    static Sounds* getInstance();

    // Main thread: starts one effect at field position x (0 left .. 1024 right).
    void playSound(SoundType type, float x);
    // Audio thread: adds every playing effect into `output` (interleaved stereo).
    void audioBlock(float* output, int frames);

    Sounds(const Sounds&) = delete;
    Sounds& operator=(const Sounds&) = delete;

  private:
    Sounds() = default;
    ~Sounds() = default;
};

#endif
