#include "title/BattleScore.h"

#include <climits>

#include "scores/GameCounter.h"
#include "scores/HighScoresLoader.h"

int battleScore(int counterSum, int frames) {
    if (frames == 0 || counterSum <= 0 || frames >= kScoredFrames) {
        return counterSum;
    }
    const float product =
        static_cast<float>(counterSum) * static_cast<float>(kScoredFrames - frames);
    // A sum beyond any real war would not fit an int once multiplied; the
    // conversion would then be undefined, so the best representable score stands in.
    if (product >= static_cast<float>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(product);
}

bool fileLastBattle(HighScoresLoader& table, const StartNumbers& numbers, int* filed) {
    const GameCounter* counters = GameCounter::getInstance();
    if (counters->counters.empty()) {
        return false;
    }
    const int score = battleScore(counters->getScore(), counters->getCount(GameCounter::kTime));
    table.setScore(numbers, score);
    if (filed != nullptr) {
        *filed = score;
    }
    return true;
}
