#include "art/MoundArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "paint/Palette.h"

namespace mound_art {
namespace {

// Highest opacity of a bank; the game allows up to 95 of 255.
constexpr double peakOpacity = 84.0 / 255.0;
// Share of the band's width over which each edge fades in.
constexpr double edgeShare = 0.2;
// Where across the band the slope turns from lit to shaded.
constexpr double crest = 0.42;

constexpr int centralSize = 256;
constexpr double centralLeft = 3.0;
constexpr double centralRight = 253.0;
constexpr int sideSize = 128;
constexpr double sideLeft = 24.0;  // columns 24 .. 103
constexpr double sideRight = 104.0;

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// One column of a band spanning [left, right): its colour and opacity.
Rgba bandColumn(double x, double left, double right) {
    const double t = (x - left) / (right - left);
    if (t <= 0.0 || t >= 1.0) {
        return Rgba{};
    }
    const double opacity =
        peakOpacity * smoothstep(0.0, edgeShare, t) * smoothstep(0.0, edgeShare, 1.0 - t);
    // Light peaks on the left slope just before the crest and falls off
    // into the shade of the right slope.
    const double shade = smoothstep(crest - 0.3, crest + 0.45, t);
    const Colour c = palette::moundLight.mix(palette::moundShade, shade);
    return Rgba{Colour::toByte(c.r), Colour::toByte(c.g), Colour::toByte(c.b),
                Colour::toByte(opacity)};
}

RgbaImage paintBand(int size, double left, double right) {
    RgbaImage image(size, size);
    for (int column = 0; column < size; ++column) {
        const Rgba colour = bandColumn(column + 0.5, left, right);
        for (int row = 0; row < size; ++row) {
            image.set(column, row, colour);
        }
    }
    return image;
}

}  // namespace

RgbaImage paintCentral() {
    return paintBand(centralSize, centralLeft, centralRight);
}

RgbaImage paintSide() {
    return paintBand(sideSize, sideLeft, sideRight);
}

}  // namespace mound_art
