#include "dsp/Reverb.h"

namespace {
// Mutually prime delays in samples at 44100 Hz, between 25 and 37 ms for the
// combs and 5 and 13 ms for the allpasses.
const std::size_t kCombLengths[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
const std::size_t kAllpassLengths[] = {556, 441, 341, 225};
// Extra samples on the right side so that its echoes fall between the left's.
constexpr std::size_t kStereoSpread = 23;
// The allpasses' own coefficient; 0.5 gives a flat response with dense echoes.
constexpr double kAllpassGain = 0.5;
// The combs add up eight copies of the input; this brings their sum back
// near the input's level.
constexpr double kInputGain = 0.015;
}  // namespace

double Reverb::Comb::run(double input, double fb, double damp) {
    const double out = line[index];
    store = out * (1.0 - damp) + store * damp;
    line[index] = input + store * fb;
    if (++index == line.size()) {
        index = 0;
    }
    return out;
}

double Reverb::Allpass::run(double input) {
    const double delayed = line[index];
    line[index] = input + delayed * kAllpassGain;
    if (++index == line.size()) {
        index = 0;
    }
    return delayed - input;
}

Reverb::Reverb(double feedbackAmount, double dampingAmount)
    : feedback(feedbackAmount), damping(dampingAmount) {
    for (std::size_t length : kCombLengths) {
        combsLeft.push_back(Comb{std::vector<double>(length, 0.0)});
        combsRight.push_back(Comb{std::vector<double>(length + kStereoSpread, 0.0)});
    }
    for (std::size_t length : kAllpassLengths) {
        allpassLeft.push_back(Allpass{std::vector<double>(length, 0.0)});
        allpassRight.push_back(Allpass{std::vector<double>(length + kStereoSpread, 0.0)});
    }
}

void Reverb::process(double inLeft, double inRight, double& outLeft, double& outRight) {
    const double input = (inLeft + inRight) * kInputGain;
    double l = 0, r = 0;
    for (Comb& c : combsLeft) {
        l += c.run(input, feedback, damping);
    }
    for (Comb& c : combsRight) {
        r += c.run(input, feedback, damping);
    }
    for (Allpass& a : allpassLeft) {
        l = a.run(l);
    }
    for (Allpass& a : allpassRight) {
        r = a.run(r);
    }
    outLeft = l;
    outRight = r;
}
