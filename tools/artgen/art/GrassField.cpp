#include "art/GrassField.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "noise/ValueNoise.h"
#include "paint/Palette.h"

namespace grass_field {
namespace {

constexpr std::uint64_t kMottleSeed = 0x67726173733031ULL;
constexpr std::uint64_t kTuftSeed = 0x7475667473303131ULL;

// Broad patches of lighter and darker grass, a few hundred pixels across.
constexpr double kMottleSize = 220.0;
constexpr int kMottleOctaves = 4;
constexpr double kMottlePersistence = 0.5;
// Small tufts, stretched a little upright like blades of grass.
constexpr double kTuftSize = 9.0;
constexpr double kTuftStretch = 2.2;
constexpr double kTuftWeight = 0.22;
// How far the mottling swings around the middle of the grass tones; kept
// well below 1 so the field stays calm.
constexpr double kContrast = 1.35;

}  // namespace

RgbaImage paint(int width, int height, int originColumn, int originRow) {
    const ValueNoise mottle(kMottleSeed);
    const ValueNoise tufts(kTuftSeed);
    RgbaImage image(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const double x = column + originColumn;
            const double y = row + originRow;
            double t = mottle.fractal(x, y, kMottleSize, kMottleOctaves, kMottlePersistence);
            t += kTuftWeight * (tufts.sample(x / kTuftSize, y / (kTuftSize * kTuftStretch)) - 0.5);
            t = std::clamp(0.5 + (t - 0.5) * kContrast, 0.0, 1.0);
            const Colour tone = palette::kGrassDark.mix(palette::kGrassLight, t);
            image.set(
                column, row,
                Rgba{Colour::toByte(tone.r), Colour::toByte(tone.g), Colour::toByte(tone.b), 255});
        }
    }
    return image;
}

}  // namespace grass_field
