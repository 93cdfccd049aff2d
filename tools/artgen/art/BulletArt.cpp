#include "art/BulletArt.h"

#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"

namespace bullet_art {
namespace {

constexpr int size = 32;

// The bullet, in its 32 x 32 frame. Its glow spans x 0.25 .. 30.75 and
// y 8.25 .. 25.75, the slug itself the game's hit box (x 1..21, rows
// 10..21) or less.
constexpr double centreY = 17.0;
// Halo around the head, an ellipse reaching the left edge and rows 8 / 25.
constexpr double haloCentreX = 10.75;
constexpr double haloRadiusX = 10.5;
constexpr double haloRadiusY = 8.75;
constexpr double haloOpacity = 0.8;
// Tail: a wedge from behind the head to the right end, fading out.
constexpr double tailStart = 11.0;
constexpr double tailEnd = 30.75;
constexpr double tailHalfStart = 5.0;
constexpr double tailHalfEnd = 0.9;
constexpr double tailOpacity = 0.95;
// The slug: a capsule with a round head on the left.
constexpr double slugLeft = 2.5;
constexpr double slugRight = 19.0;
constexpr double slugHalfHeight = 4.0;
constexpr double glintRadiusX = 3.5;
constexpr double glintRadiusY = 1.4;
constexpr double glintOpacity = 0.85;

void paintHalo(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, haloCentreX, centreY);
    cairo_scale(cr, haloRadiusX, haloRadiusY);
    cairo_pattern_t* glow = cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    gradients::addStop(glow, 0.0, palette::fireYellow.withAlpha(haloOpacity));
    gradients::addStop(glow, 0.45, palette::fireYellow.withAlpha(haloOpacity * 0.55));
    gradients::addStop(glow, 0.75, palette::fireOrange.withAlpha(haloOpacity * 0.2));
    gradients::addStop(glow, 1.0, palette::fireOrange.withAlpha(0.0));
    cairo_set_source(cr, glow);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, angles::fullTurn);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_restore(cr);
}

void paintTail(cairo_t* cr) {
    cairo_move_to(cr, tailStart, centreY - tailHalfStart);
    cairo_line_to(cr, tailEnd, centreY - tailHalfEnd);
    cairo_line_to(cr, tailEnd, centreY + tailHalfEnd);
    cairo_line_to(cr, tailStart, centreY + tailHalfStart);
    cairo_close_path(cr);
    cairo_pattern_t* fade = cairo_pattern_create_linear(tailStart, 0.0, tailEnd, 0.0);
    gradients::addStop(fade, 0.0, palette::fireYellow.withAlpha(tailOpacity));
    gradients::addStop(fade, 0.35, palette::fireYellow.withAlpha(tailOpacity * 0.55));
    gradients::addStop(fade, 0.7, palette::fireOrange.withAlpha(tailOpacity * 0.2));
    gradients::addStop(fade, 1.0, palette::fireOrange.withAlpha(0.0));
    cairo_set_source(cr, fade);
    cairo_fill(cr);
    cairo_pattern_destroy(fade);
}

void paintSlug(cairo_t* cr) {
    const double r = slugHalfHeight;
    cairo_new_sub_path(cr);
    cairo_arc(cr, slugLeft + r, centreY, r, angles::quarterTurn, 3.0 * angles::quarterTurn);
    cairo_line_to(cr, slugRight, centreY - r);
    cairo_curve_to(cr, slugRight + 1.5, centreY - r, slugRight + 1.5, centreY + r, slugRight,
                   centreY + r);
    cairo_close_path(cr);
    cairo_pattern_t* body = cairo_pattern_create_linear(0.0, centreY - r, 0.0, centreY + r);
    gradients::addStop(body, 0.0, palette::fireWhite);
    gradients::addStop(body, 0.5, palette::fireYellow);
    gradients::addStop(body, 1.0, palette::fireOrange);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // The hot glint on the head.
    cairo_save(cr);
    cairo_translate(cr, slugLeft + r + 1.0, centreY - r * 0.35);
    cairo_scale(cr, glintRadiusX, glintRadiusY);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, angles::fullTurn);
    cairo_restore(cr);
    palette::white.withAlpha(glintOpacity).use(cr);
    cairo_fill(cr);
}

}  // namespace

RgbaImage paint() {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.context();
    paintHalo(cr);
    paintTail(cr);
    paintSlug(cr);
    return canvas.snapshot();
}

}  // namespace bullet_art
