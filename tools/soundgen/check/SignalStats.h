#ifndef TRUCEWARD_TOOLS_SOUNDGEN_CHECK_SIGNALSTATS_H
#define TRUCEWARD_TOOLS_SOUNDGEN_CHECK_SIGNALSTATS_H

#include <cstddef>
#include <vector>

// Measurements of one channel of decoded samples, used to judge the sound
// files.
class SignalStats {
  public:
    // Largest magnitude; 0 for no samples.
    static double peak(const std::vector<float>& x);
    // Average value (the DC offset); 0 for no samples.
    static double mean(const std::vector<float>& x);
    // Root mean square of the samples [first, first + count), clipped to
    // the channel; 0 for an empty range.
    static double rms(const std::vector<float>& x, std::size_t first, std::size_t count);

    // How a looped channel joins its end to its start.
    struct Seam {
        // |x[0] - x[n - 1]|: the step a looping player makes at the join.
        double jump = 0;
        // The largest and the root-mean-square step between neighbouring
        // samples among the last and the first `window` samples.
        double largestNearbyStep = 0;
        double rmsNearbyStep = 0;
    };
    // Needs at least two samples; window is clipped to half the channel.
    static Seam seam(const std::vector<float>& x, std::size_t window);
};

#endif
