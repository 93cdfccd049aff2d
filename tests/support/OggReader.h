#ifndef TRUCEWARD_TESTS_SUPPORT_OGGREADER_H
#define TRUCEWARD_TESTS_SUPPORT_OGGREADER_H

#include <string>
#include <vector>

// Decodes a whole Ogg Vorbis file from start to end with libvorbisfile, the
// plain way, independently of the game's code: the reference that the tests
// hold the game's decoding against.
class OggReader {
  public:
    OggReader() = delete;

    // One vector per channel. Throws std::runtime_error when the file cannot
    // be opened or decoded.
    static std::vector<std::vector<float>> read(const std::string& path);
};

#endif
