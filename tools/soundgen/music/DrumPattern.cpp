#include "music/DrumPattern.h"

#include <stdexcept>

namespace {
constexpr double kVelocityPerDigit = 0.1;
constexpr double kAccentVelocity = 1.0;
}  // namespace

std::vector<ScoreNote> DrumPattern::parse(const std::string& pattern, double barStartBeat) {
    std::vector<ScoreNote> strokes;
    int step = 0;
    for (char c : pattern) {
        if (c == ' ') {
            continue;
        }
        const double beat = barStartBeat + step * kStepBeats;
        if (c >= '1' && c <= '9') {
            strokes.push_back(ScoreNote{beat, kStepBeats, 0, (c - '0') * kVelocityPerDigit});
        } else if (c == 'X') {
            strokes.push_back(ScoreNote{beat, kStepBeats, 0, kAccentVelocity});
        } else if (c >= 'a' && c <= 'i') {
            const double v = (c - 'a' + 1) * kVelocityPerDigit;
            const double stroke = kStepBeats / kRollStrokes;
            for (int k = 0; k < kRollStrokes; ++k) {
                strokes.push_back(ScoreNote{beat + k * stroke, stroke, 0, v});
            }
        } else if (c != '.') {
            throw std::invalid_argument(std::string("unknown drum step: ") + c);
        }
        ++step;
    }
    return strokes;
}

int DrumPattern::steps(const std::string& pattern) {
    int n = 0;
    for (char c : pattern) {
        if (c != ' ') {
            ++n;
        }
    }
    return n;
}
