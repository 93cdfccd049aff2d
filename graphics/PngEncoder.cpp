#include "graphics/PngEncoder.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int kBytesPerPixel = 3;
// Deflate's stored blocks hold at most this many bytes each.
constexpr std::size_t kLongestBlock = 65535;
constexpr std::uint32_t kAdlerBase = 65521;
constexpr std::uint32_t kCrcPolynomial = 0xEDB88320u;
constexpr int kBitsPerByte = 8;
constexpr std::uint32_t kByteMask = 0xFF;
constexpr std::uint32_t kHalfMask = 0xFFFF;
constexpr int kHalfBits = 16;

const std::array<std::uint32_t, 256>& crcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> made{};
        for (std::uint32_t n = 0; n < made.size(); ++n) {
            std::uint32_t c = n;
            for (int bit = 0; bit < kBitsPerByte; ++bit) {
                c = (c & 1u) != 0 ? kCrcPolynomial ^ (c >> 1) : c >> 1;
            }
            made[n] = c;
        }
        return made;
    }();
    return table;
}

std::uint32_t crcOf(const std::string& bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        c = crcTable()[(c ^ static_cast<unsigned char>(byte)) & kByteMask] ^ (c >> kBitsPerByte);
    }
    return c ^ 0xFFFFFFFFu;
}

void putBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= kBitsPerByte) {
        out.push_back(static_cast<char>((value >> shift) & kByteMask));
    }
}

void putChunk(std::string& out, const char* type, const std::string& data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type) + data;
    out += typed;
    putBigEndian(out, crcOf(typed));
}

}  // namespace

std::string encodePng(int width, int height, const unsigned char* rgb) {
    // Every row begins with its filter, none.
    std::string raw;
    const auto rowBytes = static_cast<std::size_t>(width) * kBytesPerPixel;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) {
        raw.push_back('\0');
        raw.append(reinterpret_cast<const char*>(rgb) + rowBytes * static_cast<std::size_t>(row),
                   rowBytes);
    }
    // A zlib stream of stored blocks: header, blocks, Adler-32 of the raw bytes.
    std::string zlib = {'\x78', '\x01'};
    for (std::size_t start = 0; start < raw.size() || start == 0; start += kLongestBlock) {
        const std::size_t length = std::min(kLongestBlock, raw.size() - start);
        const bool last = start + length >= raw.size();
        zlib.push_back(last ? '\x01' : '\x00');
        const auto size = static_cast<std::uint32_t>(length);
        const std::uint32_t inverse = ~size & kHalfMask;
        zlib.push_back(static_cast<char>(size & kByteMask));
        zlib.push_back(static_cast<char>((size >> kBitsPerByte) & kByteMask));
        zlib.push_back(static_cast<char>(inverse & kByteMask));
        zlib.push_back(static_cast<char>((inverse >> kBitsPerByte) & kByteMask));
        zlib.append(raw, start, length);
        if (last) {
            break;
        }
    }
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char byte : raw) {
        a = (a + static_cast<unsigned char>(byte)) % kAdlerBase;
        b = (b + a) % kAdlerBase;
    }
    putBigEndian(zlib, (b << kHalfBits) | a);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header, static_cast<std::uint32_t>(height));
    // 8 bits a channel, truecolour, deflate, adaptive filters, no interlace.
    header += std::string("\x08\x02\x00\x00\x00", 5);
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", zlib);
    putChunk(png, "IEND", "");
    return png;
}
