#include "codec/VorbisWriter.h"

#include <vorbis/vorbisenc.h>

#include <cstdio>
#include <memory>

namespace {
// Frames handed to the encoder at a time.
constexpr int kChunkFrames = 1024;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool writePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) ==
               static_cast<std::size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) ==
               static_cast<std::size_t>(page.body_len);
}

// Owns the libvorbis and libogg encoder state for one stream.
class Encoder {
  public:
    Encoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder() {
        if (streamReady) {
            ogg_stream_clear(&stream);
        }
        if (blockReady) {
            vorbis_block_clear(&block);
        }
        if (dspReady) {
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool start(int channels, long rate, float quality, int serial) {
        if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
            return false;
        }
        vorbis_comment_add_tag(&comment, "ENCODER", "truceward soundgen");
        vorbis_analysis_init(&dsp, &info);
        dspReady = true;
        vorbis_block_init(&dsp, &block);
        blockReady = true;
        ogg_stream_init(&stream, serial);
        streamReady = true;
        return true;
    }

    // The three header packets go on pages of their own, as decoders expect.
    bool writeHeaders(std::FILE* file) {
        ogg_packet id, comments, codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &id, &comments, &codebooks);
        ogg_stream_packetin(&stream, &id);
        ogg_stream_packetin(&stream, &comments);
        ogg_stream_packetin(&stream, &codebooks);
        ogg_page page;
        while (ogg_stream_flush(&stream, &page) != 0) {
            if (!writePage(file, page)) {
                return false;
            }
        }
        return true;
    }

    // Hands frames to the encoder (count 0 marks the end of the stream) and
    // writes every page that is complete.
    bool submit(const std::vector<std::vector<float>>& channels, std::size_t from, int count,
                std::FILE* file) {
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, count);
            for (std::size_t c = 0; c < channels.size(); ++c) {
                for (int i = 0; i < count; ++i) {
                    buffer[c][i] = channels[c][from + static_cast<std::size_t>(i)];
                }
            }
        }
        vorbis_analysis_wrote(&dsp, count);
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    if (!writePage(file, page)) {
                        return false;
                    }
                    if (ogg_page_eos(&page)) {
                        return true;
                    }
                }
            }
        }
        return true;
    }

  private:
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool dspReady = false;
    bool blockReady = false;
    bool streamReady = false;
};
}  // namespace

bool VorbisWriter::write(const std::string& path, const std::vector<std::vector<float>>& channels,
                         long sampleRate, float quality, int serialNumber, std::string& error) {
    if (channels.empty() || channels.size() > 2) {
        error = "only one or two channels can be encoded";
        return false;
    }
    const std::size_t frames = channels[0].size();
    for (const auto& channel : channels) {
        if (channel.size() != frames) {
            error = "channels of different lengths";
            return false;
        }
    }
    Encoder encoder;
    if (!encoder.start(static_cast<int>(channels.size()), sampleRate, quality, serialNumber)) {
        error = "the Vorbis encoder refused the settings";
        return false;
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = "cannot open " + path + " for writing";
        return false;
    }
    bool ok = encoder.writeHeaders(file.get());
    for (std::size_t from = 0; ok && from < frames; from += kChunkFrames) {
        const std::size_t left = frames - from;
        const int count = static_cast<int>(left < kChunkFrames ? left : kChunkFrames);
        ok = encoder.submit(channels, from, count, file.get());
    }
    ok = ok && encoder.submit(channels, frames, 0, file.get());
    if (ok && std::fflush(file.get()) != 0) {
        ok = false;
    }
    if (!ok) {
        error = "write error on " + path;
    }
    return ok;
}
