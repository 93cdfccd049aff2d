#include "replay/ReplayFeed.h"

#include "battle/GamePlay.h"
#include "scores/GameCounter.h"
#include "title/BattleScore.h"

ReplayFeed::ReplayFeed(const Replay& replay, GamePlay& battle) : replay(replay), battle(battle) {
    feedDueInput();
}

void ReplayFeed::step(bool drawn) {
    if (left || !whyNot.empty()) {
        return;
    }
    battle.update();
    if (drawn) {
        battle.render();
    } else {
        battle.advanceUnseen();
    }
    battle.cleanUp();
    feedDueInput();
}

bool ReplayFeed::playToTheEnd() {
    while (!left && whyNot.empty()) {
        step(false);
    }
    return left;
}

void ReplayFeed::feedDueInput() {
    while (next < replay.events.size() && replay.events[next].step == battle.steps) {
        const BattleInput input = replay.events[next++].input;
        if (battle.input(input)) {
            left = isLeave(input);
            if (left) {
                return;
            }
            continue;
        }
        // The live battle recorded only input that it took.
        const std::string step = "step " + std::to_string(battle.steps);
        whyNot = input == BattleInput::LeaveWithSpace
                     ? "left with Space at " + step + ", before the war was over"
                     : "the battle went otherwise than recorded at " + step;
        return;
    }
    if (next == replay.events.size()) {
        whyNot = "its input ends before the battle was left";
    }
}

int ReplayFeed::score() {
    const GameCounter* counters = GameCounter::getInstance();
    return battleScore(counters->getScore(), counters->getCount(GameCounter::kTime));
}
