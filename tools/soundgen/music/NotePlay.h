#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_NOTEPLAY_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_NOTEPLAY_H

#include <cstdint>

// What an instrument is asked to play: a pitch in Hz (drums ignore it),
// how long the note is held in seconds, how strongly (0 to 1), and the
// seed of its noise, so that every note sounds the same each time it is
// rendered.
struct NotePlay {
    double frequency = 0;
    double seconds = 0;
    double velocity = 0;
    std::uint64_t seed = 0;
};

#endif
