#ifndef TRUCEWARD_REPLAY_REPLAY_H
#define TRUCEWARD_REPLAY_REPLAY_H

#include <cstdint>
#include <vector>

#include "replay/BattleInput.h"
#include "scores/StartNumbers.h"

// A battle as its replay keeps it: what it was set up from (the start numbers
// and the seed), the player's input with the step it came after, and what it
// was filed with. A battle replays exactly from these: its only chance is its
// seed, and its only input comes through GamePlay::input, in the order
// recorded. A step is one GamePlay::update(); input between two steps is kept
// in the order it came, and a pause takes no step, so it needs no record.
//
// A live battle records itself into one (GamePlay::recording); the title
// screen fills in the score and the date when it files the battle
// (ReplayShelf), and a file holds one (ReplayFile).
class Replay {
  public:
    // One input, after `step` steps of the battle.
    struct Event {
        std::uint32_t step;
        BattleInput input;

        bool operator==(const Event& other) const {
            return step == other.step && input == other.input;
        }
    };

    Replay() = default;
    Replay(const StartNumbers& numbers, std::uint32_t seed, int rulesVersion);

    // Appends input that reached the battle after `step` steps (never fewer
    // than the last one's). A leave ends the battle: its step is the length.
    void add(std::uint32_t step, BattleInput input);
    // Whether the battle has been left: the last input is a leave.
    bool left() const;
    // Left with Space (the war won and its length counted), not Escape.
    bool leftWithSpace() const;

    // The version of the battle's rules it was played by (GamePlay::kRulesVersion).
    int rulesVersion = 0;
    StartNumbers numbers;
    std::uint32_t seed = 0;
    // The score the title screen filed (battleScore), once filed.
    std::int32_t score = 0;
    // Steps taken before the leave.
    std::uint32_t steps = 0;
    // When the battle was filed, in seconds since 1970 (UTC).
    std::int64_t date = 0;
    // In the order the battle took them; the leave, once there, is the last.
    std::vector<Event> events;
};

#endif
