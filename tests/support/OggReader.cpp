#include "tests/support/OggReader.h"

#include <vorbis/vorbisfile.h>

#include <stdexcept>

namespace {

// Frames asked for per read; any size gives the same samples.
constexpr int kReadFrames = 4096;

}  // namespace

std::vector<std::vector<float>> OggReader::read(const std::string& path) {
    OggVorbis_File decoder;
    if (ov_fopen(path.c_str(), &decoder) != 0) {
        throw std::runtime_error("cannot decode " + path);
    }
    const int channels = ov_info(&decoder, -1)->channels;
    std::vector<std::vector<float>> samples(static_cast<size_t>(channels));
    for (;;) {
        float** pcm = nullptr;
        int link = 0;
        const long read = ov_read_float(&decoder, &pcm, kReadFrames, &link);
        if (read == 0) {
            break;
        }
        if (read < 0) {
            ov_clear(&decoder);
            throw std::runtime_error("decoding error in " + path);
        }
        for (int channel = 0; channel < channels; ++channel) {
            samples[channel].insert(samples[channel].end(), pcm[channel], pcm[channel] + read);
        }
    }
    ov_clear(&decoder);
    return samples;
}
