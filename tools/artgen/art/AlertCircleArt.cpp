#include "art/AlertCircleArt.h"

#include <cmath>

#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"

namespace alert_circle_art {
namespace {

constexpr int kSize = 64;
constexpr double kCentre = kSize / 2.0;

}  // namespace

RgbaImage paint() {
    // The ring's cross-section: a smooth bump between two radii, peaking
    // at 110 of 255 so that it stays below the game's limit of 112.
    constexpr double kInnerRadius = 14.5;
    constexpr double kOuterRadius = 23.5;  // ends inside pixel 8 / 55
    constexpr double kPeakOpacity = 110.0 / 255.0;
    constexpr int kProfileSteps = 16;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.context();
    cairo_pattern_t* ring =
        cairo_pattern_create_radial(kCentre, kCentre, kInnerRadius, kCentre, kCentre, kOuterRadius);
    for (int i = 0; i <= kProfileSteps; ++i) {
        const double t = static_cast<double>(i) / kProfileSteps;
        // A square root of the sine keeps the ring near its peak over a
        // broader band, so that it still reads when tinted dark red.
        const double bump = std::sqrt(std::sin(angles::kPi * t));
        gradients::addStop(ring, t, palette::kWhite.withAlpha(kPeakOpacity * bump));
    }
    cairo_set_source(cr, ring);
    cairo_arc(cr, kCentre, kCentre, kOuterRadius, 0.0, angles::kFullTurn);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    return canvas.snapshot();
}

}  // namespace alert_circle_art
