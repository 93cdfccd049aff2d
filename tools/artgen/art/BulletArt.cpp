#include "art/BulletArt.h"

#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"

namespace bullet_art {
namespace {

constexpr int kSize = 32;

// The bullet, in its 32 x 32 frame. Its glow spans x 0.25 .. 30.75 and
// y 8.25 .. 25.75, the slug itself the game's hit box (x 1..21, rows
// 10..21) or less.
constexpr double kCentreY = 17.0;
// Halo around the head, an ellipse reaching the left edge and rows 8 / 25.
constexpr double kHaloCentreX = 10.75;
constexpr double kHaloRadiusX = 10.5;
constexpr double kHaloRadiusY = 8.75;
constexpr double kHaloOpacity = 0.8;
// Tail: a wedge from behind the head to the right end, fading out.
constexpr double kTailStart = 11.0;
constexpr double kTailEnd = 30.75;
constexpr double kTailHalfStart = 5.0;
constexpr double kTailHalfEnd = 0.9;
constexpr double kTailOpacity = 0.95;
// The slug: a capsule with a round head on the left.
constexpr double kSlugLeft = 2.5;
constexpr double kSlugRight = 19.0;
constexpr double kSlugHalfHeight = 4.0;
constexpr double kGlintRadiusX = 3.5;
constexpr double kGlintRadiusY = 1.4;
constexpr double kGlintOpacity = 0.85;

void paintHalo(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, kHaloCentreX, kCentreY);
    cairo_scale(cr, kHaloRadiusX, kHaloRadiusY);
    cairo_pattern_t* glow = cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    gradients::addStop(glow, 0.0, palette::kFireYellow.withAlpha(kHaloOpacity));
    gradients::addStop(glow, 0.45, palette::kFireYellow.withAlpha(kHaloOpacity * 0.55));
    gradients::addStop(glow, 0.75, palette::kFireOrange.withAlpha(kHaloOpacity * 0.2));
    gradients::addStop(glow, 1.0, palette::kFireOrange.withAlpha(0.0));
    cairo_set_source(cr, glow);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, angles::kFullTurn);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_restore(cr);
}

void paintTail(cairo_t* cr) {
    cairo_move_to(cr, kTailStart, kCentreY - kTailHalfStart);
    cairo_line_to(cr, kTailEnd, kCentreY - kTailHalfEnd);
    cairo_line_to(cr, kTailEnd, kCentreY + kTailHalfEnd);
    cairo_line_to(cr, kTailStart, kCentreY + kTailHalfStart);
    cairo_close_path(cr);
    cairo_pattern_t* fade = cairo_pattern_create_linear(kTailStart, 0.0, kTailEnd, 0.0);
    gradients::addStop(fade, 0.0, palette::kFireYellow.withAlpha(kTailOpacity));
    gradients::addStop(fade, 0.35, palette::kFireYellow.withAlpha(kTailOpacity * 0.55));
    gradients::addStop(fade, 0.7, palette::kFireOrange.withAlpha(kTailOpacity * 0.2));
    gradients::addStop(fade, 1.0, palette::kFireOrange.withAlpha(0.0));
    cairo_set_source(cr, fade);
    cairo_fill(cr);
    cairo_pattern_destroy(fade);
}

void paintSlug(cairo_t* cr) {
    const double r = kSlugHalfHeight;
    cairo_new_sub_path(cr);
    cairo_arc(cr, kSlugLeft + r, kCentreY, r, angles::kQuarterTurn, 3.0 * angles::kQuarterTurn);
    cairo_line_to(cr, kSlugRight, kCentreY - r);
    cairo_curve_to(cr, kSlugRight + 1.5, kCentreY - r, kSlugRight + 1.5, kCentreY + r, kSlugRight,
                   kCentreY + r);
    cairo_close_path(cr);
    cairo_pattern_t* body = cairo_pattern_create_linear(0.0, kCentreY - r, 0.0, kCentreY + r);
    gradients::addStop(body, 0.0, palette::kFireWhite);
    gradients::addStop(body, 0.5, palette::kFireYellow);
    gradients::addStop(body, 1.0, palette::kFireOrange);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // The hot glint on the head.
    cairo_save(cr);
    cairo_translate(cr, kSlugLeft + r + 1.0, kCentreY - r * 0.35);
    cairo_scale(cr, kGlintRadiusX, kGlintRadiusY);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, angles::kFullTurn);
    cairo_restore(cr);
    palette::kWhite.withAlpha(kGlintOpacity).use(cr);
    cairo_fill(cr);
}

}  // namespace

RgbaImage paint() {
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.context();
    paintHalo(cr);
    paintTail(cr);
    paintSlug(cr);
    return canvas.snapshot();
}

}  // namespace bullet_art
