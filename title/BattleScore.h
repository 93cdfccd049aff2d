#ifndef TRUCEWARD_TITLE_BATTLESCORE_H
#define TRUCEWARD_TITLE_BATTLESCORE_H

class HighScoresLoader;
struct StartNumbers;

// The war length up to which a quick win multiplies the score.
constexpr int kScoredFrames = 5000;

// The number a battle files in the high score table, from the sum of its game
// counters and the length of the war in frames (0 when the war was left with
// Escape). A won war shorter than kScoredFrames with a positive sum scores the
// sum times (kScoredFrames - frames), so every frame saved counts; the product
// is taken in single precision and truncated toward zero. Otherwise the plain
// sum is filed.
int battleScore(int counterSum, int frames);

// Files the last battle's score under its start numbers, keeping the better of the old and
// the new score. Does nothing while no game counter exists, that is before the
// first battle of the process. Returns whether a battle was filed; `filed`,
// when given, takes the battle's score.
bool fileLastBattle(HighScoresLoader& table, const StartNumbers& numbers, int* filed = nullptr);

#endif
