#include "art/FigureArt.h"

#include <cmath>

#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"

namespace figure_art {
namespace {

// The figure is drawn on the frame's vertical centre line; it fills
// columns 13 to 50 and rows 5 to 62, the box the game's hit tests and
// placements assume.
constexpr double kCentreX = 32.0;
constexpr double kLimb = 4.6;  // width of the body, arm and leg strokes

constexpr double kHeadCentreY = 14.0;
constexpr double kHeadRadius = 8.75;  // top of the head at row 5.25

constexpr double kNeckY = 21.0;
constexpr double kShoulderY = 27.0;
constexpr double kHipY = 41.0;
// Hands: the stroke's round cap ends a quarter pixel inside columns 13 / 50.
constexpr double kHandReach = 32.0 - 13.25 - kLimb / 2.0;
constexpr double kHandY = 33.5;
constexpr double kElbowReach = 10.5;
constexpr double kElbowY = 29.0;
// Feet, set apart; the round caps end above the shadow's lowest row.
constexpr double kFootReach = 11.0;
constexpr double kFootY = 57.5;
constexpr double kNeeReach = 7.0;
constexpr double kNeeY = 49.0;
// Little feet pointing outwards make the stance read at a glance.
constexpr double kToeReach = 3.2;

// The shadow: a soft ellipse under the feet, ending inside row 62.
constexpr double kShadowCentreY = 58.6;
constexpr double kShadowRadiusX = 15.5;
constexpr double kShadowRadiusY = 4.15;
constexpr double kShadowOpacity = 0.45;
// Where the falloff has come down to a given share of the centre's opacity.
constexpr double kShadowShoulder = 0.55;
constexpr double kShadowShoulderOpacity = 0.7;

// The eyes: small red dots set in the head, well inside its edge.
constexpr double kEyeApart = 3.6;
constexpr double kEyeY = 13.2;
constexpr double kEyeRadius = 1.7;

void drawShadow(cairo_t* cr) {
    // A radial falloff squeezed into an ellipse; it reaches zero on the
    // ellipse's edge, so nothing of it spills past the stated box.
    cairo_save(cr);
    cairo_translate(cr, kCentreX, kShadowCentreY);
    cairo_scale(cr, kShadowRadiusX, kShadowRadiusY);
    cairo_pattern_t* falloff = cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    gradients::addStop(falloff, 0.0, palette::kInk.withAlpha(kShadowOpacity));
    gradients::addStop(falloff, kShadowShoulder,
                       palette::kInk.withAlpha(kShadowOpacity * kShadowShoulderOpacity));
    gradients::addStop(falloff, 1.0, palette::kInk.withAlpha(0.0));
    cairo_set_source(cr, falloff);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, angles::kFullTurn);
    cairo_fill(cr);
    cairo_pattern_destroy(falloff);
    cairo_restore(cr);
}

void strokeLimb(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_stroke(cr);
}

}  // namespace

void drawFigure(cairo_t* cr) {
    cairo_save(cr);
    drawShadow(cr);
    palette::kInk.use(cr);
    cairo_set_line_width(cr, kLimb);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Body.
    cairo_move_to(cr, kCentreX, kNeckY);
    cairo_line_to(cr, kCentreX, kHipY);
    cairo_stroke(cr);
    // Arms, bent a little at the elbows, held out to both sides.
    for (double side : {-1.0, 1.0}) {
        strokeLimb(cr, kCentreX, kShoulderY, kCentreX + side * kElbowReach, kElbowY,
                   kCentreX + side * kHandReach, kHandY);
        strokeLimb(cr, kCentreX, kHipY, kCentreX + side * kNeeReach, kNeeY,
                   kCentreX + side * kFootReach, kFootY);
        cairo_move_to(cr, kCentreX + side * kFootReach, kFootY);
        cairo_line_to(cr, kCentreX + side * (kFootReach + kToeReach), kFootY);
        cairo_stroke(cr);
    }
    // Head.
    cairo_arc(cr, kCentreX, kHeadCentreY, kHeadRadius, 0.0, angles::kFullTurn);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawEyes(cairo_t* cr) {
    cairo_save(cr);
    palette::kEyeRed.use(cr);
    for (double side : {-1.0, 1.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, kCentreX + side * kEyeApart, kEyeY, kEyeRadius, 0.0, angles::kFullTurn);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

RgbaImage paintGuy() {
    Canvas canvas(kSize, kSize);
    drawFigure(canvas.context());
    return canvas.snapshot();
}

RgbaImage paintFighter() {
    Canvas canvas(kSize, kSize);
    drawFigure(canvas.context());
    drawEyes(canvas.context());
    return canvas.snapshot();
}

}  // namespace figure_art
