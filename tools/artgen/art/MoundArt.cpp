#include "art/MoundArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "paint/Palette.h"

namespace mound_art {
namespace {

// Highest opacity of a bank; the game allows up to 95 of 255.
constexpr double kPeakOpacity = 84.0 / 255.0;
// Share of the band's width over which each edge fades in.
constexpr double kEdgeShare = 0.2;
// Where across the band the slope turns from lit to shaded.
constexpr double kCrest = 0.42;

constexpr int kCentralSize = 256;
constexpr double kCentralLeft = 3.0;
constexpr double kCentralRight = 253.0;
constexpr int kSideSize = 128;
constexpr double kSideLeft = 24.0;  // columns 24 .. 103
constexpr double kSideRight = 104.0;

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
        kPeakOpacity * smoothstep(0.0, kEdgeShare, t) * smoothstep(0.0, kEdgeShare, 1.0 - t);
    // Light peaks on the left slope just before the crest and falls off
    // into the shade of the right slope.
    const double shade = smoothstep(kCrest - 0.3, kCrest + 0.45, t);
    const Colour c = palette::kMoundLight.mix(palette::kMoundShade, shade);
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
    return paintBand(kCentralSize, kCentralLeft, kCentralRight);
}

RgbaImage paintSide() {
    return paintBand(kSideSize, kSideLeft, kSideRight);
}

}  // namespace mound_art
