#include "sheet/Tint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tint {
namespace {

std::uint8_t scaled(std::uint8_t channel, double factor) {
    return static_cast<std::uint8_t>(
        std::clamp(std::lround(channel * std::clamp(factor, 0.0, 1.0)), 0L, 255L));
}

}  // namespace

RgbaImage multiplied(const RgbaImage& image, double red, double green, double blue, double alpha) {
    RgbaImage out(image.width(), image.height());
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const Rgba p = image.at(column, row);
            out.set(
                column, row,
                Rgba{scaled(p.r, red), scaled(p.g, green), scaled(p.b, blue), scaled(p.a, alpha)});
        }
    }
    return out;
}

}  // namespace tint
