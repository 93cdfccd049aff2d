#include "image/RgbaImage.h"

#include <algorithm>

RgbaImage::RgbaImage(int width, int height)
    : w(width), h(height), pixels(static_cast<std::size_t>(width) * height) {}

PixelBox RgbaImage::inkBox(int threshold) const {
    const PixelBox whole{0, 0, w - 1, h - 1};
    return boxWhere(whole, [threshold](Rgba p) { return p.a > threshold; });
}

int RgbaImage::maxAlpha() const {
    int highest = 0;
    for (const Rgba& p : pixels) {
        highest = std::max(highest, static_cast<int>(p.a));
    }
    return highest;
}

int RgbaImage::minAlpha() const {
    int lowest = 255;
    for (const Rgba& p : pixels) {
        lowest = std::min(lowest, static_cast<int>(p.a));
    }
    return lowest;
}
