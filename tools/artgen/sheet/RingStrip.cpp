#include "sheet/RingStrip.h"

#include <cmath>

#include "art/GrassField.h"
#include "paint/Canvas.h"
#include "sheet/Tint.h"

namespace ring_strip {
namespace {

// Grass around each ring, as a share of its width.
constexpr double kRoom = 0.125;

}  // namespace

RgbaImage paint(const std::vector<TintedRing>& rings, double across) {
    const int cell = static_cast<int>(std::ceil(across * (1.0 + 2.0 * kRoom)));
    Canvas canvas(cell * static_cast<int>(rings.size()), cell);
    canvas.load(grass_field::paint(canvas.width(), canvas.height()));
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const RgbaImage& ring = *rings[i].image;
        const double scale = across / ring.width();
        canvas.drawImage(tint::multiplied(ring, rings[i].red, rings[i].green, rings[i].blue),
                         cell * static_cast<double>(i) + across * kRoom, across * kRoom, scale,
                         scale);
    }
    return canvas.snapshot();
}

}  // namespace ring_strip
