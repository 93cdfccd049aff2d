#ifndef TRUCEWARD_REPLAY_REPLAYSHELF_H
#define TRUCEWARD_REPLAY_REPLAYSHELF_H

#include <string>

#include "replay/Replay.h"
#include "scores/HighScoresLoader.h"
#include "scores/StartNumbers.h"

// The player's replays, in the folder "Replays" beside the high score table:
// the last battle filed as "last.twreplay", and for each combination of start
// numbers the battle that set its record as "best-LC-RC-LF-RF.twreplay" (the
// table's key order). Replay files are written as the table is: a new file
// replaces the old one atomically, under a lock shared by every game that
// saves it (FileSaver::update), and a file that cannot be read, or that is
// larger than any replay, is never written over.
class ReplayShelf {
  public:
    ReplayShelf() = delete;

    // "<per-user directory>/Replays", created (0755) when it is missing, with
    // "Created directory " and its path; "Could not create directory " and
    // its path, and "", when it cannot be.
    static std::string folder();
    static std::string lastName();
    // "best-LC-RC-LF-RF.twreplay".
    static std::string bestName(const StartNumbers& numbers);

    // Files a battle just left, `replay` its recording with the score that
    // was filed in `table` for it: dates it, saves the table and, when that
    // save raised the record of its start numbers to this score (or made
    // it), writes it as their best while still holding the table's lock, so
    // that the best replay changes exactly when the record does; then
    // writes it as the last battle. A replay that cannot be a file is kept
    // nowhere, with a line saying why.
    static void file(Replay& replay, HighScoresLoader& table);
    // Replaces the file at `path` with `bytes`; false with "Could not save "
    // and the path when it could not.
    static bool write(const std::string& path, const std::string& bytes);
};

#endif
