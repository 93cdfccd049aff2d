#ifndef TRUCEWARD_REPLAY_DEMOREPLAY_H
#define TRUCEWARD_REPLAY_DEMOREPLAY_H

#include <memory>
#include <string>

class Replay;

// The game's own demonstration: a battle played by a ScriptedPlayer and
// recorded by tools/demo into assets/replays/demo.twreplay, which is compiled
// in. The title plays it when left alone with no best replay of its numbers.
class DemoReplay {
  public:
    DemoReplay() = delete;

    // The embedded file's bytes.
    static std::string bytes();
    // The demonstration, read and played through (ReplayVerifier); null, with
    // one line saying why, when it cannot be played.
    static std::unique_ptr<Replay> load();
};

#endif
