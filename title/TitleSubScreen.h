#ifndef TRUCEWARD_TITLE_TITLESUBSCREEN_H
#define TRUCEWARD_TITLE_TITLESUBSCREEN_H

#include <string>

#include "app/GameState.h"

// A screen opened over the title (the settings, HOW TO PLAY, the replays):
// the title owns it, hands it all input, draws it in its own place with the
// title's pointer on top, and closes it once it has asked to leave.
class TitleSubScreen : public GameState {
  public:
    bool isMenu() const override { return true; }
    bool mayRestartPads() const override { return true; }

    // Asked to leave: the title closes the screen.
    bool finished = false;
    // A replay file the screen asks the title to play; the title then goes.
    std::string watchRequested;
};

#endif
