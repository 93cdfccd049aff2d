#ifndef TRUCEWARD_AUDIO_LOADEDSOUND_H
#define TRUCEWARD_AUDIO_LOADEDSOUND_H

#include <memory>

// A sound effect decoded whole into memory: one mono float per frame.
// Written once while loading, read-only afterwards (also by the audio thread).
struct LoadedSound {
    // Null (and length 0) when the file could not be loaded.
    std::unique_ptr<float[]> samples;
    int length = 0;

    bool isLoaded() const { return samples != nullptr; }
};

#endif
