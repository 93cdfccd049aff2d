#include "music/SnareDrum.h"

#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"

namespace {
constexpr double twoPi = 6.283185307179586;
constexpr double lengthSeconds = 0.45;
constexpr double butterworthQ = 0.7071;
// The skin's modes: frequency in Hz, decay in seconds, level.
constexpr int modes = 2;
constexpr double modeFrequency[modes] = {185, 330};
constexpr double modeDecay[modes] = {0.045, 0.028};
constexpr double modeLevel[modes] = {0.55, 0.3};
// The skin's pitch bends down a little just after the hit.
constexpr double pitchBend = 0.12;
constexpr double pitchBendTime = 0.01;
// The snare wires: highpassed noise with a presence lift.
constexpr double wiresHighpass = 1500;
constexpr double wiresPresence = 5000;
constexpr double wiresPresenceQ = 0.9;
constexpr double wiresPresenceDb = 4;
constexpr double wiresDecaySoft = 0.06;
constexpr double wiresDecayHard = 0.12;
constexpr double wiresLevel = 0.75;
// The stick: a millisecond of bright noise.
constexpr double stickDecay = 0.0012;
constexpr double stickHighpass = 3000;
constexpr double stickLevel = 0.6;
// Soft strokes are darker: a lowpass that opens with the velocity.
constexpr double toneCutoffSoft = 3000;
constexpr double toneCutoffHard = 14000;
constexpr double attack = 0.0007;
}  // namespace

std::vector<float> SnareDrum::play(const NotePlay& note) const {
    const double sr = AudioFormat::sampleRate;
    const std::size_t n = static_cast<std::size_t>(lengthSeconds * sr);
    const double v = note.velocity;
    Random random(note.seed);
    Biquad wiresHigh, wiresLift, stickHigh, tone;
    wiresHigh.setHighpass(sr, wiresHighpass, butterworthQ);
    wiresLift.setPeaking(sr, wiresPresence, wiresPresenceQ, wiresPresenceDb);
    stickHigh.setHighpass(sr, stickHighpass, butterworthQ);
    tone.setLowpass(sr, toneCutoffSoft + (toneCutoffHard - toneCutoffSoft) * v, butterworthQ);
    const double wiresDecay = wiresDecaySoft + (wiresDecayHard - wiresDecaySoft) * v;

    std::vector<float> out(n);
    double phases[modes] = {0, 0};
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double onset = 1.0 - std::exp(-t / attack);
        double skin = 0;
        for (int m = 0; m < modes; ++m) {
            const double f = modeFrequency[m] * (1.0 + pitchBend * std::exp(-t / pitchBendTime));
            phases[m] += twoPi * f / sr;
            skin += modeLevel[m] * std::exp(-t / modeDecay[m]) * std::sin(phases[m]);
        }
        const double wires = wiresLevel * std::exp(-t / wiresDecay) *
                             wiresLift.process(wiresHigh.process(random.bipolar()));
        const double stick =
            stickLevel * std::exp(-t / stickDecay) * stickHigh.process(random.bipolar());
        out[i] = static_cast<float>(v * onset * tone.process(skin + wires + stick));
    }
    return out;
}
