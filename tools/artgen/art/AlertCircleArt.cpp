#include "art/AlertCircleArt.h"

#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"

namespace alert_circle_art {
namespace {

constexpr int kSize = 64;
constexpr double kCentre = kSize / 2.0;

// The ring's cross-section, from the inside out: a dark edge, the white
// band that takes the tint, and another dark edge, each blending softly
// into the next. The dark edges keep a tinted ring apart from the grass
// (a red ring on green has little contrast of its own) and stay dark
// whatever the tint.
constexpr double kInnerRadius = 14.5;
constexpr double kOuterRadius = 23.5;  // ends inside pixel 8 / 55
struct Stop {
    double offset;  // 0 at the inner radius, 1 at the outer
    double grey;    // 0 black, 1 white
    double opacity;
};
constexpr Stop kProfile[] = {
    {0.0, 0.0, 0.0},   {0.1, 0.0, 0.8}, {0.2, 0.0, 0.8}, {0.34, 1.0, 0.87},
    {0.66, 1.0, 0.87}, {0.8, 0.0, 0.8}, {0.9, 0.0, 0.8}, {1.0, 0.0, 0.0},
};

}  // namespace

RgbaImage paint() {
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.context();
    cairo_pattern_t* ring =
        cairo_pattern_create_radial(kCentre, kCentre, kInnerRadius, kCentre, kCentre, kOuterRadius);
    for (const Stop& stop : kProfile) {
        gradients::addStop(ring, stop.offset,
                           palette::kInk.mix(palette::kWhite, stop.grey).withAlpha(stop.opacity));
    }
    cairo_set_source(cr, ring);
    cairo_arc(cr, kCentre, kCentre, kOuterRadius, 0.0, angles::kFullTurn);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    return canvas.snapshot();
}

}  // namespace alert_circle_art
