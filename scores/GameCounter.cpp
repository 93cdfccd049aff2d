#include "scores/GameCounter.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "scores/CounterNotification.h"

const char* const GameCounter::kFighter = "Fighter";
const char* const GameCounter::kTime = "Time";
const char* const GameCounter::kKilled = "Killed";
const char* const GameCounter::kSavedByBrick = "Saved by Brick";
const char* const GameCounter::kBecameFighter = "Became Fighter";
const char* const GameCounter::kBecameCivilian = "Became Civilian";
const char* const GameCounter::kBecamePeaceKeeper = "Became PeaceKeeper";

GameCounter* GameCounter::getInstance() {
    static GameCounter instance;
    return &instance;
}

GameCounter::~GameCounter() {
    for (auto& entry : counters) {
        delete entry.second;
    }
}

void GameCounter::createCounter(const std::string& name) {
    if (counters.find(name) == counters.end()) {
        counters[name] = new Counter();
    }
}

void GameCounter::incrementCount(const std::string& name, int delta) {
    createCounter(name);
    Counter* counter = counters[name];
    counter->count += delta;
    const int count = counter->count;
    // A receiver may register or unregister while being told; it is told
    // about the registrations that stood when the count changed.
    const std::vector<int> values(counter->values.begin(), counter->values.end());
    const std::vector<CounterNotification*> receivers(counter->receivers.begin(),
                                                      counter->receivers.end());
    for (size_t i = 0; i < values.size(); ++i) {
        if (count % values[i] == 0) {
            receivers[i]->countReached(name, count);
        }
    }
}

int GameCounter::getCount(const std::string& name) const {
    const auto found = counters.find(name);
    return found == counters.end() ? 0 : found->second->count;
}

int GameCounter::getScore() const {
    int score = 0;
    for (const auto& entry : counters) {
        if (entry.first != kFighter && entry.first != kTime) {
            score += entry.second->count;
        }
    }
    return score;
}

void GameCounter::reset() {
    for (auto& entry : counters) {
        entry.second->count = 0;
    }
}

void GameCounter::registerNotification(const std::string& name, int value,
                                       CounterNotification* receiver) {
    createCounter(name);
    counters[name]->values.push_back(value);
    counters[name]->receivers.push_back(receiver);
}

void GameCounter::unregisterNotification(const std::string& name, int value,
                                         CounterNotification* receiver) {
    const auto found = counters.find(name);
    if (found == counters.end()) {
        return;
    }
    std::list<int>& values = found->second->values;
    std::list<CounterNotification*>& receivers = found->second->receivers;
    const auto valueAt = std::find(values.begin(), values.end(), value);
    if (valueAt != values.end()) {
        values.erase(valueAt);
    }
    const auto receiverAt = std::find(receivers.begin(), receivers.end(), receiver);
    if (receiverAt != receivers.end()) {
        receivers.erase(receiverAt);
    }
}
