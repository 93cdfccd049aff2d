#include "text/Utf8.h"

namespace utf8 {
namespace {

constexpr char32_t kLastOneByte = 0x7f;
constexpr char32_t kLastTwoBytes = 0x7ff;
constexpr char32_t kLastThreeBytes = 0xffff;
constexpr char32_t kLastCodePoint = 0x10ffff;
constexpr char32_t kFirstSurrogate = 0xd800;
constexpr char32_t kLastSurrogate = 0xdfff;
constexpr unsigned kContinuationMark = 0x80;
constexpr unsigned kContinuationMask = 0xc0;
constexpr unsigned kSixBits = 0x3f;
constexpr int kBitsPerContinuation = 6;

// The lead byte of a sequence of `length` bytes carries this mark and the
// top bits of the code point.
struct Lead {
    unsigned mark;
    unsigned maskOfMark;
    char32_t smallest;  // anything below is overlong
};
constexpr Lead kLeads[] = {
    {0x00, 0x80, 0x0},
    {0xc0, 0xe0, kLastOneByte + 1},
    {0xe0, 0xf0, kLastTwoBytes + 1},
    {0xf0, 0xf8, kLastThreeBytes + 1},
};

}  // namespace

std::string encode(char32_t c) {
    std::string out;
    if (c <= kLastOneByte) {
        out += static_cast<char>(c);
        return out;
    }
    const int length = c <= kLastTwoBytes ? 2 : c <= kLastThreeBytes ? 3 : 4;
    out += static_cast<char>(kLeads[length - 1].mark | c >> (kBitsPerContinuation * (length - 1)));
    for (int i = length - 2; i >= 0; --i) {
        out += static_cast<char>(kContinuationMark | (c >> (kBitsPerContinuation * i) & kSixBits));
    }
    return out;
}

std::string encode(const std::u32string& text) {
    std::string out;
    for (const char32_t c : text) {
        out += encode(c);
    }
    return out;
}

std::optional<std::u32string> decode(const std::string& bytes) {
    std::u32string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        for (int candidate = 1; candidate <= 4 && length == 0; ++candidate) {
            if ((lead & kLeads[candidate - 1].maskOfMark) == kLeads[candidate - 1].mark) {
                length = candidate;
            }
        }
        if (length == 0 || i + length > bytes.size()) {
            return std::nullopt;
        }
        char32_t c = lead & ~kLeads[length - 1].maskOfMark;
        for (int k = 1; k < length; ++k) {
            const unsigned next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & kContinuationMask) != kContinuationMark) {
                return std::nullopt;
            }
            c = c << kBitsPerContinuation | (next & kSixBits);
        }
        if (c < kLeads[length - 1].smallest || c > kLastCodePoint ||
            (c >= kFirstSurrogate && c <= kLastSurrogate)) {
            return std::nullopt;
        }
        out += c;
        i += length;
    }
    return out;
}

}  // namespace utf8
