#ifndef TRUCEWARD_TOOLS_ARTGEN_IMAGE_RGBA_H
#define TRUCEWARD_TOOLS_ARTGEN_IMAGE_RGBA_H

#include <cstdint>

// One straight (not premultiplied) 8-bit RGBA pixel, as stored in the PNGs.
struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;

    bool operator==(const Rgba& other) const {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
    bool operator!=(const Rgba& other) const { return !(*this == other); }
};

#endif
