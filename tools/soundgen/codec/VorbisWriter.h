#ifndef TRUCEWARD_TOOLS_SOUNDGEN_CODEC_VORBISWRITER_H
#define TRUCEWARD_TOOLS_SOUNDGEN_CODEC_VORBISWRITER_H

#include <string>
#include <vector>

// Encodes planar float channels as one Ogg Vorbis stream (variable bit
// rate). The stream's serial number is given by the caller, so that the
// same samples always give the same bytes. The last page's granule
// position is the number of frames given, so decoders return exactly that
// many frames.
class VorbisWriter {
  public:
    // channels: one vector per channel, all of the same length (1 or 2
    // channels). quality: libvorbisenc's VBR quality, -0.1 to 1.
    // Returns false and sets error when the file cannot be written or the
    // encoder refuses the settings.
    static bool write(const std::string& path, const std::vector<std::vector<float>>& channels,
                      long sampleRate, float quality, int serialNumber, std::string& error);
};

#endif
