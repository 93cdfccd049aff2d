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
constexpr double centreX = 32.0;
constexpr double limb = 4.6;  // width of the body, arm and leg strokes

constexpr double headCentreY = 14.0;
constexpr double headRadius = 8.75;  // top of the head at row 5.25

constexpr double neckY = 21.0;
constexpr double shoulderY = 27.0;
constexpr double hipY = 41.0;
// Hands: the stroke's round cap ends a quarter pixel inside columns 13 / 50.
constexpr double handReach = 32.0 - 13.25 - limb / 2.0;
constexpr double handY = 33.5;
constexpr double elbowReach = 10.5;
constexpr double elbowY = 29.0;
// Feet, set apart; the round caps end above the shadow's lowest row.
constexpr double footReach = 11.0;
constexpr double footY = 57.5;
constexpr double kneeReach = 7.0;
constexpr double kneeY = 49.0;
// Little feet pointing outwards make the stance read at a glance.
constexpr double toeReach = 3.2;

// The shadow: a soft ellipse under the feet, ending inside row 62.
constexpr double shadowCentreY = 58.6;
constexpr double shadowRadiusX = 15.5;
constexpr double shadowRadiusY = 4.15;
constexpr double shadowOpacity = 0.45;
// Where the falloff has come down to a given share of the centre's opacity.
constexpr double shadowShoulder = 0.55;
constexpr double shadowShoulderOpacity = 0.7;

// The eyes: small red dots set in the head, well inside its edge.
constexpr double eyeApart = 3.6;
constexpr double eyeY = 13.2;
constexpr double eyeRadius = 1.7;

void drawShadow(cairo_t* cr) {
    // A radial falloff squeezed into an ellipse; it reaches zero on the
    // ellipse's edge, so nothing of it spills past the stated box.
    cairo_save(cr);
    cairo_translate(cr, centreX, shadowCentreY);
    cairo_scale(cr, shadowRadiusX, shadowRadiusY);
    cairo_pattern_t* falloff = cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    gradients::addStop(falloff, 0.0, palette::ink.withAlpha(shadowOpacity));
    gradients::addStop(falloff, shadowShoulder,
                       palette::ink.withAlpha(shadowOpacity * shadowShoulderOpacity));
    gradients::addStop(falloff, 1.0, palette::ink.withAlpha(0.0));
    cairo_set_source(cr, falloff);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, angles::fullTurn);
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
    palette::ink.use(cr);
    cairo_set_line_width(cr, limb);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Body.
    cairo_move_to(cr, centreX, neckY);
    cairo_line_to(cr, centreX, hipY);
    cairo_stroke(cr);
    // Arms, bent a little at the elbows, held out to both sides.
    for (double side : {-1.0, 1.0}) {
        strokeLimb(cr, centreX, shoulderY, centreX + side * elbowReach, elbowY,
                   centreX + side * handReach, handY);
        strokeLimb(cr, centreX, hipY, centreX + side * kneeReach, kneeY, centreX + side * footReach,
                   footY);
        cairo_move_to(cr, centreX + side * footReach, footY);
        cairo_line_to(cr, centreX + side * (footReach + toeReach), footY);
        cairo_stroke(cr);
    }
    // Head.
    cairo_arc(cr, centreX, headCentreY, headRadius, 0.0, angles::fullTurn);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawEyes(cairo_t* cr) {
    cairo_save(cr);
    palette::eyeRed.use(cr);
    for (double side : {-1.0, 1.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, centreX + side * eyeApart, eyeY, eyeRadius, 0.0, angles::fullTurn);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

RgbaImage paintGuy() {
    Canvas canvas(size, size);
    drawFigure(canvas.context());
    return canvas.snapshot();
}

RgbaImage paintFighter() {
    Canvas canvas(size, size);
    drawFigure(canvas.context());
    drawEyes(canvas.context());
    return canvas.snapshot();
}

}  // namespace figure_art
