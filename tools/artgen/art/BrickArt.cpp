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
constexpr double left = 12.0 + style::edgeInset + style::outline;
constexpr double right = 52.0 - style::edgeInset - style::outline;
constexpr double top = 1.0 + style::edgeInset + style::outline;
constexpr double bottom = 63.0 - style::edgeInset - style::outline;
constexpr double cornerRadius = 4.0;
// Where the darker lower third begins.
constexpr double baseTop = top + (bottom - top) * 2.0 / 3.0;
// A lit rim along the top and left of the face, and the soft line where the
// face meets the darker clay.
constexpr double rimWidth = 3.0;
constexpr double rimOpacity = 0.55;
constexpr double seamWidth = 1.5;
constexpr double seamOpacity = 0.35;
// Small pits in the clay, from a fixed seed.
constexpr std::uint64_t pitSeed = 0x627269636b3031ULL;
constexpr int pitCount = 16;
constexpr double pitRadiusMin = 0.6;
constexpr double pitRadiusMax = 1.3;
constexpr double pitOpacity = 0.22;

void brickPath(cairo_t* cr) {
    shapes::roundedRectangle(cr, left, top, right - left, bottom - top, cornerRadius);
}

void paintFace(cairo_t* cr) {
    palette::brickFace.use(cr);
    cairo_paint(cr);
    // A faint fall of light from top to bottom keeps the face from looking flat.
    cairo_pattern_t* light = cairo_pattern_create_linear(0.0, top, 0.0, baseTop);
    cairo_pattern_add_color_stop_rgba(light, 0.0, 1.0, 1.0, 1.0, 0.18);
    cairo_pattern_add_color_stop_rgba(light, 1.0, 1.0, 1.0, 1.0, 0.0);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);

    palette::brickBase.use(cr);
    cairo_rectangle(cr, left, baseTop, right - left, bottom - baseTop);
    cairo_fill(cr);
    palette::ink.withAlpha(seamOpacity).use(cr);
    cairo_rectangle(cr, left, baseTop - seamWidth / 2.0, right - left, seamWidth);
    cairo_fill(cr);

    palette::brickFaceLight.withAlpha(rimOpacity).use(cr);
    cairo_rectangle(cr, left, top, right - left, rimWidth);
    cairo_rectangle(cr, left, top + rimWidth, rimWidth, baseTop - top - rimWidth - seamWidth);
    cairo_fill(cr);

    Random random(pitSeed);
    palette::ink.withAlpha(pitOpacity).use(cr);
    for (int pit = 0; pit < pitCount; ++pit) {
        const double x = random.between(left + rimWidth + 1.0, right - 2.0);
        const double y = random.between(top + rimWidth + 1.0, bottom - 2.0);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, random.between(pitRadiusMin, pitRadiusMax), 0.0, angles::fullTurn);
    }
    cairo_fill(cr);
}

}  // namespace

void drawBrick(cairo_t* cr) {
    cairo_save(cr);
    brickPath(cr);
    shapes::outlineAndFill(cr, palette::brickFace);
    // The face is painted inside the visible part of the fill: the path
    // minus the inner half of the outline stroke, which stays black.
    cairo_save(cr);
    shapes::roundedRectangle(cr, left, top, right - left, bottom - top, cornerRadius);
    cairo_clip(cr);
    paintFace(cr);
    cairo_restore(cr);
    cairo_restore(cr);
}

RgbaImage paint() {
    Canvas canvas(size, size);
    drawBrick(canvas.context());
    return canvas.snapshot();
}

}  // namespace brick_art
