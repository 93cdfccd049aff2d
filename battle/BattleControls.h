#ifndef TRUCEWARD_BATTLE_BATTLECONTROLS_H
#define TRUCEWARD_BATTLE_BATTLECONTROLS_H

#include <vector>

// The battle's controls as the game tells them: on the HOW TO PLAY screen, in
// the pause and in the hint of the first battles alike, for the keyboard or,
// while a pad is in use, by the pad's buttons. One table, so that the three
// never tell different stories.
class BattleControls {
  public:
    // A key or button (or several), and what it does, in English: given to
    // tr() where shown, the keys in kKeyContext.
    struct Control {
        const char* keys;
        const char* action;
    };

    BattleControls() = delete;

    // Every control of the battle, in the order a player needs them.
    static const std::vector<Control>& all(bool pad);
    // The controls of a battle watched from a replay.
    static const std::vector<Control>& watching(bool pad);
    // The one line that tells a new player how bricks are laid.
    static const char* brickHint(bool pad);
};

#endif
