#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_SCORENOTE_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_SCORENOTE_H

// One note as written: when it starts and how long it is, in beats from
// the start of the piece; which pitch (MIDI number, 60 = middle C; ignored
// by drums); and how strongly it is played, 0 to 1.
struct ScoreNote {
    double beat = 0;
    double beats = 0;
    int pitch = 0;
    double velocity = 0;
};

#endif
