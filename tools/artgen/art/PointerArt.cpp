#include "art/PointerArt.h"

#include <cmath>

#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "paint/PathFit.h"
#include "paint/Shapes.h"
#include "paint/Style.h"

namespace pointer_art {
namespace {

constexpr int kSize = 64;
const PixelBox kInkBox{9, 7, 54, 55};

// The arrow drawn pointing straight left from the origin, in arbitrary
// units: a broad head and a shaft, then turned to point up and left.
constexpr double kHeadLength = 22.0;
constexpr double kHeadHalfWidth = 14.0;
constexpr double kShaftHalfWidth = 5.2;
constexpr double kShaftEnd = 46.0;
// A little steeper than the diagonal, like a hand-held pointer; this also
// matches the box, which is a few rows taller than wide.
constexpr double kTurnDegrees = 47.0;

void arrowPath(cairo_t* cr) {
    cairo_save(cr);
    cairo_rotate(cr, angles::fromDegrees(kTurnDegrees));
    cairo_move_to(cr, 0.0, 0.0);
    cairo_line_to(cr, kHeadLength, -kHeadHalfWidth);
    cairo_line_to(cr, kHeadLength, -kShaftHalfWidth);
    cairo_line_to(cr, kShaftEnd, -kShaftHalfWidth);
    cairo_line_to(cr, kShaftEnd, kShaftHalfWidth);
    cairo_line_to(cr, kHeadLength, kShaftHalfWidth);
    cairo_line_to(cr, kHeadLength, kHeadHalfWidth);
    cairo_close_path(cr);
    cairo_restore(cr);
}

}  // namespace

RgbaImage paint() {
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.context();
    const PathFit fit(cr, arrowPath, Bounds::ofPixels(kInkBox, style::kEdgeInset), style::kOutline,
                      PathFit::Mode::Stretch);
    cairo_save(cr);
    fit.apply(cr);
    arrowPath(cr);
    cairo_restore(cr);
    shapes::outlineAndFill(cr, palette::kWhite);
    return canvas.snapshot();
}

}  // namespace pointer_art
