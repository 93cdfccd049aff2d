#include "music/SnareDrum.h"

#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kLengthSeconds = 0.45;
constexpr double kButterworthQ = 0.7071;
// The skin's modes: frequency in Hz, decay in seconds, level.
constexpr int kModes = 2;
constexpr double kModeFrequency[kModes] = {185, 330};
constexpr double kModeDecay[kModes] = {0.045, 0.028};
constexpr double kModeLevel[kModes] = {0.55, 0.3};
// The skin's pitch bends down a little just after the hit.
constexpr double kPitchBend = 0.12;
constexpr double kPitchBendTime = 0.01;
// The snare wires: highpassed noise with a presence lift.
constexpr double kWiresHighpass = 1500;
constexpr double kWiresPresence = 5000;
constexpr double kWiresPresenceQ = 0.9;
constexpr double kWiresPresenceDb = 4;
constexpr double kWiresDecaySoft = 0.06;
constexpr double kWiresDecayHard = 0.12;
constexpr double kWiresLevel = 0.75;
// The stick: a millisecond of bright noise.
constexpr double kStickDecay = 0.0012;
constexpr double kStickHighpass = 3000;
constexpr double kStickLevel = 0.6;
// Soft strokes are darker: a lowpass that opens with the velocity.
constexpr double kToneCutoffSoft = 3000;
constexpr double kToneCutoffHard = 14000;
constexpr double kAttack = 0.0007;
}  // namespace

std::vector<float> SnareDrum::play(const NotePlay& note) const {
    const double sr = AudioFormat::kSampleRate;
    const std::size_t n = static_cast<std::size_t>(kLengthSeconds * sr);
    const double v = note.velocity;
    Random random(note.seed);
    Biquad wiresHigh, wiresLift, stickHigh, tone;
    wiresHigh.setHighpass(sr, kWiresHighpass, kButterworthQ);
    wiresLift.setPeaking(sr, kWiresPresence, kWiresPresenceQ, kWiresPresenceDb);
    stickHigh.setHighpass(sr, kStickHighpass, kButterworthQ);
    tone.setLowpass(sr, kToneCutoffSoft + (kToneCutoffHard - kToneCutoffSoft) * v, kButterworthQ);
    const double wiresDecay = kWiresDecaySoft + (kWiresDecayHard - kWiresDecaySoft) * v;

    std::vector<float> out(n);
    double phases[kModes] = {0, 0};
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double onset = 1.0 - std::exp(-t / kAttack);
        double skin = 0;
        for (int m = 0; m < kModes; ++m) {
            const double f = kModeFrequency[m] * (1.0 + kPitchBend * std::exp(-t / kPitchBendTime));
            phases[m] += kTwoPi * f / sr;
            skin += kModeLevel[m] * std::exp(-t / kModeDecay[m]) * std::sin(phases[m]);
        }
        const double wires = kWiresLevel * std::exp(-t / wiresDecay) *
                             wiresLift.process(wiresHigh.process(random.bipolar()));
        const double stick =
            kStickLevel * std::exp(-t / kStickDecay) * stickHigh.process(random.bipolar());
        out[i] = static_cast<float>(v * onset * tone.process(skin + wires + stick));
    }
    return out;
}
