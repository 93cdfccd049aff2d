#include "art/PlayerMarkerArt.h"

#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"
#include "paint/Shapes.h"
#include "paint/Style.h"

namespace player_marker_art {
namespace {

// The figure's cell: centred across, its bottom 16 pixels above the image's
// (room for the halo below the feet and for the arrow above the head). The
// body fills the cell's columns 13 to 50 and rows 5 to 62.
constexpr double kCellLeft = kCellLeftInset;
constexpr double kCellTop = kCellTopInset;
constexpr double kBodyCentreX = kCellLeft + 31.5;
constexpr double kBodyCentreY = kCellTop + 34.0;

// The halo: an upright ellipse a little larger than the body, bright
// behind it and darkening towards its rim before it fades out, so that it
// stands out on the light middle of the field as on the darker grass.
constexpr double kHaloRadiusX = 38.0;
constexpr double kHaloRadiusY = 42.0;
struct Stop {
    double offset;  // 0 at the centre, 1 at the rim
    double shade;   // 0 the marker's colour, 1 black
    double opacity;
};
constexpr Stop kHaloProfile[] = {
    {0.0, 0.0, 0.9},
    {0.55, 0.0, 0.85},
    {0.8, 0.45, 0.6},
    {1.0, 1.0, 0.0},
};

// The arrow: a wedge pointing down at the head, its tip clear of the alert
// ring that may be lit around the head and of the bricks carried before it.
constexpr double kArrowTipY = kCellTop - 14.0;
constexpr double kArrowHeight = 16.0;
constexpr double kArrowHalfWidth = 13.0;
constexpr double kArrowRounding = 2.5;

void paintHalo(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, kBodyCentreX, kBodyCentreY);
    cairo_scale(cr, kHaloRadiusX, kHaloRadiusY);
    cairo_pattern_t* falloff = cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    for (const Stop& stop : kHaloProfile) {
        gradients::addStop(
            falloff, stop.offset,
            palette::kPlayerMarker.mix(palette::kInk, stop.shade).withAlpha(stop.opacity));
    }
    cairo_set_source(cr, falloff);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, angles::kFullTurn);
    cairo_fill(cr);
    cairo_pattern_destroy(falloff);
    cairo_restore(cr);
}

void paintArrow(cairo_t* cr) {
    const double top = kArrowTipY - kArrowHeight;
    const double corners[][2] = {{kBodyCentreX - kArrowHalfWidth, top},
                                 {kBodyCentreX + kArrowHalfWidth, top},
                                 {kBodyCentreX, kArrowTipY}};
    shapes::roundedPolygon(cr, corners, 3, kArrowRounding);
    shapes::outlineAndFill(cr, palette::kPlayerMarker);
}

}  // namespace

RgbaImage paint() {
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.context();
    paintHalo(cr);
    paintArrow(cr);
    return canvas.snapshot();
}

}  // namespace player_marker_art
