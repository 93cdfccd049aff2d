#include "art/BrickArt.h"

#include <cstdint>

#include "noise/Random.h"
#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "paint/Shapes.h"
#include "paint/Style.h"

namespace brick_art {
namespace {

// The brick's outline reaches columns 12 to 51 and rows 1 to 62 (the box the
// walls' hit tests assume); its path lies the outline's width inside.
constexpr double kLeft = 12.0 + style::kEdgeInset + style::kOutline;
constexpr double kRight = 52.0 - style::kEdgeInset - style::kOutline;
constexpr double kTop = 1.0 + style::kEdgeInset + style::kOutline;
constexpr double kBottom = 63.0 - style::kEdgeInset - style::kOutline;
constexpr double kCornerRadius = 4.0;
// Where the darker lower third begins.
constexpr double kBaseTop = kTop + (kBottom - kTop) * 2.0 / 3.0;
// A lit rim along the top and left of the face, and the soft line where the
// face meets the darker clay.
constexpr double kRimWidth = 3.0;
constexpr double kRimOpacity = 0.55;
constexpr double kSeamWidth = 1.5;
constexpr double kSeamOpacity = 0.35;
// Small pits in the clay, from a fixed seed.
constexpr std::uint64_t kPitSeed = 0x627269636b3031ULL;
constexpr int kPitCount = 16;
constexpr double kPitRadiusMin = 0.6;
constexpr double kPitRadiusMax = 1.3;
constexpr double kPitOpacity = 0.22;

void brickPath(cairo_t* cr) {
    shapes::roundedRectangle(cr, kLeft, kTop, kRight - kLeft, kBottom - kTop, kCornerRadius);
}

void paintFace(cairo_t* cr) {
    palette::kBrickFace.use(cr);
    cairo_paint(cr);
    // A faint fall of light from top to bottom keeps the face from looking flat.
    cairo_pattern_t* light = cairo_pattern_create_linear(0.0, kTop, 0.0, kBaseTop);
    cairo_pattern_add_color_stop_rgba(light, 0.0, 1.0, 1.0, 1.0, 0.18);
    cairo_pattern_add_color_stop_rgba(light, 1.0, 1.0, 1.0, 1.0, 0.0);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);

    palette::kBrickBase.use(cr);
    cairo_rectangle(cr, kLeft, kBaseTop, kRight - kLeft, kBottom - kBaseTop);
    cairo_fill(cr);
    palette::kInk.withAlpha(kSeamOpacity).use(cr);
    cairo_rectangle(cr, kLeft, kBaseTop - kSeamWidth / 2.0, kRight - kLeft, kSeamWidth);
    cairo_fill(cr);

    palette::kBrickFaceLight.withAlpha(kRimOpacity).use(cr);
    cairo_rectangle(cr, kLeft, kTop, kRight - kLeft, kRimWidth);
    cairo_rectangle(cr, kLeft, kTop + kRimWidth, kRimWidth,
                    kBaseTop - kTop - kRimWidth - kSeamWidth);
    cairo_fill(cr);

    Random random(kPitSeed);
    palette::kInk.withAlpha(kPitOpacity).use(cr);
    for (int pit = 0; pit < kPitCount; ++pit) {
        const double x = random.between(kLeft + kRimWidth + 1.0, kRight - 2.0);
        const double y = random.between(kTop + kRimWidth + 1.0, kBottom - 2.0);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, random.between(kPitRadiusMin, kPitRadiusMax), 0.0, angles::kFullTurn);
    }
    cairo_fill(cr);
}

}  // namespace

void drawBrick(cairo_t* cr) {
    cairo_save(cr);
    brickPath(cr);
    shapes::outlineAndFill(cr, palette::kBrickFace);
    // The face is painted inside the visible part of the fill: the path
    // minus the inner half of the outline stroke, which stays black.
    cairo_save(cr);
    shapes::roundedRectangle(cr, kLeft, kTop, kRight - kLeft, kBottom - kTop, kCornerRadius);
    cairo_clip(cr);
    paintFace(cr);
    cairo_restore(cr);
    cairo_restore(cr);
}

RgbaImage paint() {
    Canvas canvas(kSize, kSize);
    drawBrick(canvas.context());
    return canvas.snapshot();
}

}  // namespace brick_art
