#include "art/GrassField.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "noise/ValueNoise.h"
#include "paint/Palette.h"

namespace grass_field {
namespace {

constexpr std::uint64_t mottleSeed = 0x67726173733031ULL;
constexpr std::uint64_t tuftSeed = 0x7475667473303131ULL;

// Broad patches of lighter and darker grass, a few hundred pixels across.
constexpr double mottleSize = 220.0;
constexpr int mottleOctaves = 4;
constexpr double mottlePersistence = 0.5;
// Small tufts, stretched a little upright like blades of grass.
constexpr double tuftSize = 9.0;
constexpr double tuftStretch = 2.2;
constexpr double tuftWeight = 0.22;
// How far the mottling swings around the middle of the grass tones; kept
// well below 1 so the field stays calm.
constexpr double contrast = 1.35;

}  // namespace

RgbaImage paint(int width, int height, int originColumn, int originRow) {
    const ValueNoise mottle(mottleSeed);
    const ValueNoise tufts(tuftSeed);
    RgbaImage image(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const double x = column + originColumn;
            const double y = row + originRow;
            double t = mottle.fractal(x, y, mottleSize, mottleOctaves, mottlePersistence);
            t += tuftWeight * (tufts.sample(x / tuftSize, y / (tuftSize * tuftStretch)) - 0.5);
            t = std::clamp(0.5 + (t - 0.5) * contrast, 0.0, 1.0);
            const Colour tone = palette::grassDark.mix(palette::grassLight, t);
            image.set(
                column, row,
                Rgba{Colour::toByte(tone.r), Colour::toByte(tone.g), Colour::toByte(tone.b), 255});
        }
    }
    return image;
}

}  // namespace grass_field
