#ifndef TRUCEWARD_TOOLS_SOUNDGEN_CODEC_DECODEDSOUND_H
#define TRUCEWARD_TOOLS_SOUNDGEN_CODEC_DECODEDSOUND_H

#include <vector>

// What a decoder made of an Ogg Vorbis file: the stream's own description
// and every frame it actually returned, one vector per channel.
struct DecodedSound {
    int channels = 0;
    long sampleRate = 0;
    // The length the stream announces (ov_pcm_total), in frames.
    long long announcedFrames = 0;
    // Number of ov_read_float calls that reported a hole or an error.
    int decodeErrors = 0;
    std::vector<std::vector<float>> samples;

    long long decodedFrames() const {
        return samples.empty() ? 0 : static_cast<long long>(samples[0].size());
    }
};

#endif
