#include "art/FocusArt.h"

#include "paint/Bounds.h"
#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "paint/Shapes.h"

namespace focus_art {
namespace {

// The ring's middle line runs this far outside the ink, so that the ring
// never touches what it surrounds.
constexpr double kRingDistance = 8.0;
constexpr double kRingWidth = 4.0;
// The house outline is 4 pixels; the ring is thin, so a lighter one keeps it
// from turning into a black band.
constexpr double kRingOutline = 2.5;
// The halo: strokes of the ring's colour, each wider and fainter, reaching
// from the ring to the image's edge on the outside.
constexpr int kHaloSteps = 6;
constexpr double kHaloWidest = 2.0 * (kMargin - kRingDistance) - 1.0;
constexpr double kHaloOpacity = 0.16;

void ringPath(cairo_t* cr, const Bounds& ring, double radius) {
    shapes::roundedRectangle(cr, ring.left, ring.top, ring.width(), ring.height(), radius);
}

}  // namespace

RgbaImage paint(int inkWidth, int inkHeight, double cornerRadius) {
    Canvas canvas(inkWidth + 2 * kMargin, inkHeight + 2 * kMargin);
    cairo_t* cr = canvas.context();
    const Bounds ink{static_cast<double>(kMargin), static_cast<double>(kMargin),
                     static_cast<double>(kMargin + inkWidth),
                     static_cast<double>(kMargin + inkHeight)};
    const Bounds ring = ink.grown(kRingDistance);
    const double radius = cornerRadius + kRingDistance;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    for (int step = kHaloSteps; step >= 1; --step) {
        ringPath(cr, ring, radius);
        cairo_set_line_width(cr, kHaloWidest * step / kHaloSteps);
        palette::kFocus.withAlpha(kHaloOpacity).use(cr);
        cairo_stroke(cr);
    }
    ringPath(cr, ring, radius);
    cairo_set_line_width(cr, kRingWidth + 2.0 * kRingOutline);
    palette::kInk.use(cr);
    cairo_stroke(cr);
    ringPath(cr, ring, radius);
    cairo_set_line_width(cr, kRingWidth);
    palette::kFocus.use(cr);
    cairo_stroke(cr);
    return canvas.snapshot();
}

}  // namespace focus_art
