#ifndef TRUCEWARD_TOOLS_SOUNDGEN_TESTS_SUPPORT_PROBE_H
#define TRUCEWARD_TOOLS_SOUNDGEN_TESTS_SUPPORT_PROBE_H

#include <cstddef>
#include <vector>

// Measurements the tests make on rendered sound, written independently of
// the generator's own signal code.
class Probe {
  public:
    // Amplitude of the sinusoid at `frequency` in x[from, from + count)
    // (a single-bin DFT): a sine of amplitude A at that frequency gives A
    // when the window holds whole periods.
    static double amplitudeAt(const std::vector<float>& x, std::size_t from, std::size_t count,
                              double frequency, double sampleRate);
    // Fundamental frequency between minHz and maxHz of x[from, from + count)
    // by the YIN method (the first dip of the cumulative-mean-normalised
    // difference below a threshold, which avoids mistaking a strong
    // harmonic for the fundamental, or else the deepest dip); 0 if nothing
    // periodic is found.
    static double pitch(const std::vector<float>& x, std::size_t from, std::size_t count,
                        double minHz, double maxHz, double sampleRate);
    // Sum of squares of x[from, from + count).
    static double energy(const std::vector<float>& x, std::size_t from, std::size_t count);
    // Brightness of x[from, from + count): the mean square of its first
    // difference over its own mean square. A sine of frequency f gives
    // sineBrightness(f) = (2 sin(pi f / rate))^2, so a sound brighter than
    // sineBrightness(f) has most of its power above about f.
    static double brightness(const std::vector<float>& x, std::size_t from, std::size_t count);
    static double sineBrightness(double frequency, double sampleRate);
};

#endif
