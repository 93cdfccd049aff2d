#ifndef TRUCEWARD_REPLAY_REPLAYVERIFIER_H
#define TRUCEWARD_REPLAY_REPLAYVERIFIER_H

#include <memory>
#include <string>

#include "replay/Replay.h"

// A replay proved from its file: its battle set up from the file and played
// through from its input, unseen and as fast as the machine goes, in a
// battle that draws nothing and plays no sound. That needs no window, no
// OpenGL context and no sound device, and writes nothing anywhere.
class ReplayVerifier {
  public:
    ReplayVerifier() = delete;

    // Plays `replay` through to its leave: true with the score its battle
    // reached (as the title screen files it), or false with why it could not
    // go on (ReplayFeed).
    static bool playThrough(const Replay& replay, int& score, std::string& reason);
    // Reads the replay file at `path` and plays it through. A file that is
    // refused, or whose battle cannot go on, prints the one line
    // "Could not play PATH: REASON" and gives null. `reached`, when given,
    // takes the score the battle reached.
    static std::unique_ptr<Replay> check(const std::string& path, int* reached = nullptr);
    // `truceward --verify PATH`: check(), then the one line
    // "PATH: LC RC LF RF, score S: as recorded" (0 returned), or
    // "PATH: LC RC LF RF, score S, the file says R" (1 returned), the start
    // numbers in the high score table's key order. A refused file returns 1.
    static int verify(const std::string& path);
};

#endif
