#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_PART_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_PART_H

#include <vector>

#include "music/ScoreNote.h"

// The notes of one player of the piece, and which instrument plays them.
struct Part {
    enum class Player { Lead, SecondHorn, Strings, Tuba, Snare, BassDrum, CymbalCrash, CymbalRoll };

    Player player;
    std::vector<ScoreNote> notes;
};

#endif
