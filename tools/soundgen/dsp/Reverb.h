#ifndef TRUCEWARD_TOOLS_SOUNDGEN_DSP_REVERB_H
#define TRUCEWARD_TOOLS_SOUNDGEN_DSP_REVERB_H

#include <cstddef>
#include <vector>

// Stereo room: eight damped feedback combs in parallel followed by four
// allpass diffusers per side (the Schroeder-Moorer arrangement), the right
// side's delays slightly longer than the left's to decorrelate them. The
// delay lengths are tuned for 44100 Hz. Linear and time-invariant, so a
// signal that repeats gives a reverberation that repeats.
class Reverb {
  public:
    // feedback below 1 sets the decay time (0.84 gives about 1.5 s to
    // -60 dB); damping in [0, 1) darkens the tail.
    Reverb(double feedback, double damping);
    Reverb(const Reverb&) = delete;
    Reverb& operator=(const Reverb&) = delete;

    // Feeds one input frame (the two sides are summed) and returns the wet
    // signal of each side.
    void process(double inLeft, double inRight, double& outLeft, double& outRight);

  private:
    struct Comb {
        std::vector<double> line;
        std::size_t index = 0;
        double store = 0;
        double run(double input, double feedback, double damping);
    };
    struct Allpass {
        std::vector<double> line;
        std::size_t index = 0;
        double run(double input);
    };

    std::vector<Comb> combsLeft, combsRight;
    std::vector<Allpass> allpassLeft, allpassRight;
    double feedback;
    double damping;
};

#endif
