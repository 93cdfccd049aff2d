#include "art/SmokeArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "noise/ValueNoise.h"
#include "paint/Colour.h"

namespace smoke_art {
namespace {

constexpr int kSize = 64;

// Smoke: overlapping round puffs, as (centre x, centre y, radius).
struct Puff {
    double x;
    double y;
    double radius;
};
const Puff kPuffs[] = {{32.0, 35.0, 15.0}, {19.5, 37.0, 10.5}, {44.5, 37.5, 10.5},
                       {25.5, 24.5, 11.0}, {39.5, 24.0, 11.5}, {32.0, 45.0, 9.5},
                       {13.5, 30.5, 7.0},  {50.5, 29.5, 7.0},  {32.0, 17.0, 8.0}};
constexpr double kMaxOpacity = 200.0 / 255.0;
// How far inside a puff (as a share of its radius) the cloud turns solid.
constexpr double kEdgeSoftness = 0.45;
// Light from the upper left: shaded parts are this much darker.
constexpr double kShadeDepth = 0.16;
constexpr std::uint64_t kGrainSeed = 0x736d6f6b6530ULL;
constexpr double kGrainSize = 5.0;
constexpr double kGrainDepth = 0.12;

// Coverage of one puff at a point: 1 well inside, easing to 0 at its edge.
double puffCoverage(const Puff& puff, double x, double y) {
    const double d = std::hypot(x - puff.x, y - puff.y) / puff.radius;
    if (d >= 1.0) {
        return 0.0;
    }
    const double t = std::min(1.0, (1.0 - d) / kEdgeSoftness);
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

RgbaImage paint() {
    const ValueNoise grain(kGrainSeed);
    RgbaImage image(kSize, kSize);
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            const double x = column + 0.5;
            const double y = row + 0.5;
            double cover = 0.0;
            double light = 0.0;
            for (const Puff& puff : kPuffs) {
                const double c = puffCoverage(puff, x, y);
                if (c > cover) {
                    cover = c;
                }
                // Each puff is lit on its upper left.
                const double dx = (x - puff.x) / puff.radius;
                const double dy = (y - puff.y) / puff.radius;
                light = std::max(light, c * (0.5 - 0.35 * (dx + dy)));
            }
            if (cover <= 0.0) {
                continue;
            }
            const double texture = 1.0 - kGrainDepth * grain.sample(x / kGrainSize, y / kGrainSize);
            const double tone = 1.0 - kShadeDepth * (1.0 - std::clamp(light, 0.0, 1.0));
            const std::uint8_t level = Colour::toByte(tone);
            image.set(column, row,
                      Rgba{level, level, level, Colour::toByte(kMaxOpacity * cover * texture)});
        }
    }
    return image;
}

}  // namespace smoke_art
