#include "art/AlertCircleArt.h"

#include <cmath>

#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"

namespace alert_circle_art {
namespace {

constexpr int size = 64;
constexpr double centre = size / 2.0;

}  // namespace

RgbaImage paint() {
    // The ring's cross-section: a smooth bump between two radii, peaking
    // at 110 of 255 so that it stays below the game's limit of 112.
    constexpr double innerRadius = 14.5;
    constexpr double outerRadius = 23.5;  // ends inside pixel 8 / 55
    constexpr double peakOpacity = 110.0 / 255.0;
    constexpr int profileSteps = 16;
    Canvas canvas(size, size);
    cairo_t* cr = canvas.context();
    cairo_pattern_t* ring =
        cairo_pattern_create_radial(centre, centre, innerRadius, centre, centre, outerRadius);
    for (int i = 0; i <= profileSteps; ++i) {
        const double t = static_cast<double>(i) / profileSteps;
        // A square root of the sine keeps the ring near its peak over a
        // broader band, so that it still reads when tinted dark red.
        const double bump = std::sqrt(std::sin(angles::pi * t));
        gradients::addStop(ring, t, palette::white.withAlpha(peakOpacity * bump));
    }
    cairo_set_source(cr, ring);
    cairo_arc(cr, centre, centre, outerRadius, 0.0, angles::fullTurn);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    return canvas.snapshot();
}

}  // namespace alert_circle_art
