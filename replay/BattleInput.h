#ifndef TRUCEWARD_REPLAY_BATTLEINPUT_H
#define TRUCEWARD_REPLAY_BATTLEINPUT_H

#include <cstdint>

// Everything of the player's input that reaches a battle and changes it: the
// arrows held and let go, the two brick keys, and the leave. What a key does
// to nothing (a brick key once the player's person has fallen, an arrow
// pressed while paused) is no input of the battle's. Replay files store these
// numbers: a kind keeps its number for good, and a new kind takes a new one.
enum class BattleInput : std::uint8_t {
    UpPressed = 0,
    UpReleased = 1,
    DownPressed = 2,
    DownReleased = 3,
    LeftBrick = 4,
    RightBrick = 5,
    // Space once the war is over: the war's length counts for the score.
    LeaveWithSpace = 6,
    // Escape, at any time.
    LeaveWithEscape = 7,
};

constexpr int kBattleInputKinds = 8;

constexpr bool isLeave(BattleInput input) {
    return input == BattleInput::LeaveWithSpace || input == BattleInput::LeaveWithEscape;
}

#endif
