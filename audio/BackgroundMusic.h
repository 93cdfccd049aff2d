#ifndef TRUCEWARD_AUDIO_BACKGROUNDMUSIC_H
#define TRUCEWARD_AUDIO_BACKGROUNDMUSIC_H

#include <string>

#include "audio/Thread.h"

// Streams "music.ogg" in an endless loop behind everything else.
class BackgroundMusic : public Thread {
  public:
    BackgroundMusic();
    ~BackgroundMusic() override;

    // Audio thread: adds the next `frames` frames of music into `output`.
    void audioBlock(float* output, int frames);

    bool run() override;

    // The folder of the sound files, ending in a slash, or "" when none is found.
    static std::string getSoundsPath();
};

#endif
