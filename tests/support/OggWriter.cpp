#include "tests/support/OggWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace {

// Near the top of the scale: the tests compare decoded samples closely.
constexpr float kQuality = 0.9f;
constexpr int kChunkFrames = 1024;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

void writePage(FILE* file, const ogg_page& page) {
    if (std::fwrite(page.header, 1, page.header_len, file) !=
            static_cast<size_t>(page.header_len) ||
        std::fwrite(page.body, 1, page.body_len, file) != static_cast<size_t>(page.body_len)) {
        throw std::runtime_error("cannot write an Ogg page");
    }
}

// The libvorbisenc states of one stream, released together.
class Encoder {
  public:
    Encoder(int channels, int serialNumber, int rate) {
        vorbis_info_init(&info);
        if (vorbis_encode_init_vbr(&info, channels, rate, kQuality) != 0) {
            vorbis_info_clear(&info);
            throw std::runtime_error("libvorbisenc refused the settings");
        }
        vorbis_comment_init(&comment);
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, serialNumber);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
    ~Encoder() {
        ogg_stream_clear(&stream);
        vorbis_block_clear(&block);
        vorbis_dsp_clear(&dsp);
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }

    void writeHeaders(FILE* file) {
        ogg_packet identification;
        ogg_packet comments;
        ogg_packet codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &identification, &comments, &codebooks);
        ogg_stream_packetin(&stream, &identification);
        ogg_stream_packetin(&stream, &comments);
        ogg_stream_packetin(&stream, &codebooks);
        ogg_page page;
        // The audio starts on a page of its own, as decoders expect.
        while (ogg_stream_flush(&stream, &page) != 0) {
            writePage(file, page);
        }
    }

    // Hands `frames` frames from `offset` on to the encoder; 0 frames ends
    // the stream.
    void feed(FILE* file, const std::vector<std::vector<float>>& channels, size_t offset,
              int frames) {
        if (frames > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, frames);
            for (size_t channel = 0; channel < channels.size(); ++channel) {
                for (int frame = 0; frame < frames; ++frame) {
                    buffer[channel][frame] = channels[channel][offset + frame];
                }
            }
        }
        vorbis_analysis_wrote(&dsp, frames);
        drain(file);
    }

  private:
    void drain(FILE* file) {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    writePage(file, page);
                }
            }
        }
        ogg_page page;
        // Whatever is left once the stream has ended.
        while (ogg_stream_flush(&stream, &page) != 0) {
            writePage(file, page);
        }
    }

    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
};

}  // namespace

void OggWriter::write(const std::string& path, const std::vector<std::vector<float>>& channels,
                      int serialNumber, int rate) {
    if (channels.empty()) {
        throw std::invalid_argument("an Ogg Vorbis file needs a channel");
    }
    const size_t length = channels.front().size();
    for (const std::vector<float>& channel : channels) {
        if (channel.size() != length) {
            throw std::invalid_argument("channels of different lengths");
        }
    }
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        throw std::runtime_error("cannot create " + path);
    }
    Encoder encoder(static_cast<int>(channels.size()), serialNumber, rate);
    encoder.writeHeaders(file.get());
    for (size_t offset = 0; offset < length; offset += kChunkFrames) {
        const int frames = static_cast<int>(std::min<size_t>(kChunkFrames, length - offset));
        encoder.feed(file.get(), channels, offset, frames);
    }
    encoder.feed(file.get(), channels, length, 0);
}

void OggWriter::claimLength(const std::string& path, long long frames) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The last page runs to the end of the file. Its header: "OggS", version,
    // type, the granule position (8 bytes, little endian), ..., the segment
    // count at 26 and that many lacing values.
    const size_t last = bytes.rfind("OggS");
    for (size_t i = 0; i < sizeof frames; ++i) {
        bytes[last + 6 + i] = static_cast<char>(frames >> (8 * i));
    }
    ogg_page page;
    page.header = reinterpret_cast<unsigned char*>(&bytes[last]);
    page.header_len = 27 + static_cast<unsigned char>(bytes[last + 26]);
    page.body = page.header + page.header_len;
    page.body_len = static_cast<long>(bytes.size() - last) - page.header_len;
    ogg_page_checksum_set(&page);
    std::ofstream(path, std::ios::binary) << bytes;
}

void OggWriter::writeGarbage(const std::string& path) {
    File file(std::fopen(path.c_str(), "wb"));
    const char text[] = "This is a text file with an .ogg name, and no Ogg page in it.\n";
    if (!file || std::fwrite(text, 1, sizeof text - 1, file.get()) != sizeof text - 1) {
        throw std::runtime_error("cannot write " + path);
    }
}
