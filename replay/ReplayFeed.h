#ifndef TRUCEWARD_REPLAY_REPLAYFEED_H
#define TRUCEWARD_REPLAY_REPLAYFEED_H

#include <cstddef>
#include <string>

#include "replay/Replay.h"

class GamePlay;

// Plays a replay's input into its battle: before each step, the input
// recorded after as many steps, through GamePlay::input, where a live
// battle's input enters too. The battle does the rest as it always does.
// The replay is over once the recorded leave has been fed. It fails when the
// battle does not take an input that the live battle took (a live battle
// records only what it takes): a Space leave before the war is over, or any
// other sign that the battle went otherwise than the one recorded.
class ReplayFeed {
  public:
    // `battle` must be the replay's (its numbers and seed), before its first
    // step, and outlive the feed; so must `replay`. Feeds the input recorded
    // before the first step.
    ReplayFeed(const Replay& replay, GamePlay& battle);
    ReplayFeed(const ReplayFeed&) = delete;
    ReplayFeed& operator=(const ReplayFeed&) = delete;

    // One step: update(), then render() when `drawn`, else advanceUnseen(),
    // then cleanUp(); then the input recorded after it. Nothing once the
    // replay is over or has failed.
    void step(bool drawn);
    // Steps, unseen, to the end; true when the replay reached its leave.
    bool playToTheEnd();

    // The recorded leave has been fed: the battle is over.
    bool over() const { return left; }
    // Why the replay cannot go on; empty while it can.
    const std::string& failure() const { return whyNot; }
    // The score the title screen would file for the battle as it stands:
    // battleScore of the game counters' sum and "Time".
    static int score();

  private:
    void feedDueInput();

    const Replay& replay;
    GamePlay& battle;
    std::size_t next = 0;
    bool left = false;
    std::string whyNot;
};

#endif
