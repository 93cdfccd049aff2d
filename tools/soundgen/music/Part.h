#pragma once

#include <vector>

#include "music/ScoreNote.h"

// The notes of one player of the piece, and which instrument plays them.
struct Part {
    enum class Player { Lead, SecondHorn, Strings, Tuba, Snare, BassDrum, CymbalCrash, CymbalRoll };

    Player player;
    std::vector<ScoreNote> notes;
};
