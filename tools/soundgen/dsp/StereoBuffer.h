#ifndef TRUCEWARD_TOOLS_SOUNDGEN_DSP_STEREOBUFFER_H
#define TRUCEWARD_TOOLS_SOUNDGEN_DSP_STEREOBUFFER_H

#include <cstddef>
#include <vector>

// Two planes of float samples of equal length. Writes past the end are
// dropped, so a note whose tail runs beyond the buffer needs no clipping
// by its caller.
class StereoBuffer {
  public:
    explicit StereoBuffer(std::size_t frames);

    std::size_t frames() const { return left.size(); }

    void add(std::size_t frame, double l, double r);
    // Equal-power placement: pan 0 is hard left, 0.5 the centre (each side
    // at 1/sqrt(2)), 1 hard right.
    void addPanned(std::size_t frame, double sample, double pan);
    // Mixes a mono signal starting at a frame, placed at a pan and scaled.
    // A start before frame 0 drops the samples that fall before it.
    void addMono(long long startFrame, const std::vector<float>& mono, double pan, double gain);

    static double leftGain(double pan);
    static double rightGain(double pan);

    std::vector<float> left;
    std::vector<float> right;
};

#endif
