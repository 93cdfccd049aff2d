#include "codec/VorbisReader.h"

#include <vorbis/vorbisfile.h>

#include <cstdio>

namespace {
// Frames asked for per ov_read_float call.
constexpr int kReadFrames = 4096;
// A stream that keeps failing is given up on rather than read forever.
constexpr int kMostErrors = 64;
}  // namespace

bool VorbisReader::read(const std::string& path, DecodedSound& sound, std::string& error) {
    sound = DecodedSound();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    OggVorbis_File vf;
    if (ov_open(file, &vf, nullptr, 0) < 0) {
        std::fclose(file);
        error = path + " is not an Ogg Vorbis file";
        return false;
    }
    const vorbis_info* info = ov_info(&vf, 0);
    sound.channels = info->channels;
    sound.sampleRate = info->rate;
    sound.announcedFrames = ov_pcm_total(&vf, 0);
    sound.samples.assign(static_cast<std::size_t>(sound.channels), {});
    for (;;) {
        float** pcm = nullptr;
        int link = 0;
        const long n = ov_read_float(&vf, &pcm, kReadFrames, &link);
        if (n == 0 || link > 0) {
            break;
        }
        if (n < 0) {
            if (++sound.decodeErrors >= kMostErrors) {
                break;
            }
            continue;
        }
        for (int c = 0; c < sound.channels; ++c) {
            sound.samples[static_cast<std::size_t>(c)].insert(
                sound.samples[static_cast<std::size_t>(c)].end(), pcm[c], pcm[c] + n);
        }
    }
    ov_clear(&vf);
    return true;
}
