#include "replay/Replay.h"

Replay::Replay(const StartNumbers& numbers, std::uint32_t seed, int rulesVersion)
    : rulesVersion(rulesVersion), numbers(numbers), seed(seed) {}

void Replay::add(std::uint32_t step, BattleInput input) {
    events.push_back({step, input});
    if (isLeave(input)) {
        steps = step;
    }
}

bool Replay::left() const {
    return !events.empty() && isLeave(events.back().input);
}

bool Replay::leftWithSpace() const {
    return left() && events.back().input == BattleInput::LeaveWithSpace;
}
