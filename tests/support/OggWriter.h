#ifndef TRUCEWARD_TESTS_SUPPORT_OGGWRITER_H
#define TRUCEWARD_TESTS_SUPPORT_OGGWRITER_H

#include <string>
#include <vector>

// Writes small Ogg Vorbis files (44100 Hz unless asked) for the audio tests, encoded with
// libvorbisenc at a high quality so that the decoded samples stay close to
// the ones written (lossy all the same: compare with what OggReader decodes).
class OggWriter {
  public:
    static constexpr int kRate = 44100;

    OggWriter() = delete;

    static constexpr int kDefaultSerialNumber = 20240;

    // One vector of samples per channel, all of one length (which may be 0).
    // Files of different serial numbers appended to one another make a
    // chained file. Throws std::runtime_error when the file cannot be written.
    static void write(const std::string& path, const std::vector<std::vector<float>>& channels,
                      int serialNumber = kDefaultSerialNumber, int rate = kRate);

    // Damages a written file the way a bad copy can: its last page claims
    // that the stream is `frames` frames long (the page stays valid).
    static void claimLength(const std::string& path, long long frames);

    // Writes a file that is not Ogg Vorbis at all.
    static void writeGarbage(const std::string& path);
};

#endif
