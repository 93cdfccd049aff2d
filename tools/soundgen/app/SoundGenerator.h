#ifndef TRUCEWARD_TOOLS_SOUNDGEN_APP_SOUNDGENERATOR_H
#define TRUCEWARD_TOOLS_SOUNDGEN_APP_SOUNDGENERATOR_H

#include <ostream>
#include <string>
#include <vector>

// Renders the three effects and the music and writes them as Ogg Vorbis
// files into a directory. Each file is decoded again after writing: if the
// encoder's overshoot took a peak too close to SoundFiles::kPeakLimit, the
// sound is scaled down and encoded anew.
class SoundGenerator {
  public:
    explicit SoundGenerator(std::ostream& log);
    SoundGenerator(const SoundGenerator&) = delete;
    SoundGenerator& operator=(const SoundGenerator&) = delete;

    // Writes all four files; false (with a message in the log) on failure.
    bool generate(const std::string& directory);

    // Scales planar channels so that their common peak is `peak`, encodes
    // them, and repeats with less gain while the decoded peak is not below
    // ceiling. False when writing fails or the peak cannot be tamed.
    bool writeLimited(const std::string& path, std::vector<std::vector<float>> channels,
                      double peak, double ceiling, float quality, int serial);

  private:
    std::ostream& log;
};

#endif
