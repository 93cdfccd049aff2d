#include "art/ButtonArt.h"

#include <functional>

#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"
#include "paint/PathFit.h"
#include "paint/Shapes.h"
#include "paint/Style.h"

namespace button_art {
namespace {

constexpr int kArrowSize = 64;
// The triangle's ink, outline included: centred in its 64 x 64 frame with
// room for the neighbouring number slot on the title screen.
const PixelBox kArrowInk{7, 8, 56, 55};

// The bar carries no word: the game letters ENTER WAR on it on the title,
// BACK on the screens over the title, in its own font and in any language.
constexpr int kBarWidth = 512;
constexpr int kBarHeight = 128;
const PixelBox kBarInk{90, 20, 421, 107};
constexpr double kBarCornerRadius = 30.0;

// The small button carries no word either: the game letters its label over
// it in its own font, so the pill is wide enough for a label of a dozen
// letters.
constexpr int kSmallBarWidth = 192;
constexpr int kSmallBarHeight = 64;
const PixelBox kSmallBarInk{4, 8, 187, 55};
constexpr double kSmallBarCornerRadius = 16.0;

// The gloss over every fill: a light upper half and a faint shade at the
// bottom. It is the same in all three states.
constexpr double kGlossOpacity = 0.42;
constexpr double kShadeOpacity = 0.18;

// The triangles, in units of the button's size: tip on one side, upright
// base on the other, corners slightly rounded like the pointer's outline.
constexpr double kTriangleCorner = 0.07;
const double kLeftCorners[3][2] = {{0.0, 0.5}, {0.9, 0.0}, {0.9, 1.0}};
const double kRightCorners[3][2] = {{0.9, 0.5}, {0.0, 1.0}, {0.0, 0.0}};

void leftTriangle(cairo_t* cr) {
    shapes::roundedPolygon(cr, kLeftCorners, 3, kTriangleCorner);
}

void rightTriangle(cairo_t* cr) {
    shapes::roundedPolygon(cr, kRightCorners, 3, kTriangleCorner);
}

// Paints the gloss inside the current clip, from top to bottom of the shape:
// light fading out over the upper half, clear through the middle, a faint
// shade along the bottom.
void paintGloss(cairo_t* cr, double top, double bottom) {
    constexpr double kLightFades = 0.45;
    constexpr double kLightGone = 0.55;
    constexpr double kShadeStarts = 0.8;
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0.0, top, 0.0, bottom);
    gradients::addStop(gloss, 0.0, palette::kWhite.withAlpha(kGlossOpacity));
    gradients::addStop(gloss, kLightFades, palette::kWhite.withAlpha(kGlossOpacity / 4.0));
    gradients::addStop(gloss, kLightGone, palette::kWhite.withAlpha(0.0));
    gradients::addStop(gloss, kShadeStarts, palette::kInk.withAlpha(0.0));
    gradients::addStop(gloss, 1.0, palette::kInk.withAlpha(kShadeOpacity));
    cairo_set_source(cr, gloss);
    cairo_paint(cr);
    cairo_pattern_destroy(gloss);
}

// Fits the shape's ink into the box, outlines it, fills it with the state's
// colour and lays the gloss over the fill.
void paintShape(cairo_t* cr, const PathFit::PathBuilder& shape, const PixelBox& ink, State state) {
    const PathFit fit(cr, shape, Bounds::ofPixels(ink, style::kEdgeInset), style::kOutline,
                      PathFit::Mode::Stretch);
    cairo_save(cr);
    fit.apply(cr);
    shape(cr);
    cairo_restore(cr);
    cairo_path_t* path = cairo_copy_path(cr);
    shapes::outlineAndFill(cr, fillOf(state));

    cairo_save(cr);
    cairo_append_path(cr, path);
    cairo_clip(cr);
    const Bounds placed = fit.placedPath();
    paintGloss(cr, placed.top, placed.bottom);
    cairo_restore(cr);
    cairo_path_destroy(path);
}

// A rounded bar filling its ink box.
void paintPill(cairo_t* cr, const PixelBox& ink, double cornerRadius, State state) {
    const Bounds pathArea = Bounds::ofPixels(ink, style::kEdgeInset).grown(-style::kOutline);
    auto shape = [pathArea, cornerRadius](cairo_t* context) {
        shapes::roundedRectangle(context, pathArea.left, pathArea.top, pathArea.width(),
                                 pathArea.height(), cornerRadius);
    };
    paintShape(cr, shape, ink, state);
}

RgbaImage paintArrow(const PathFit::PathBuilder& triangle, State state) {
    Canvas canvas(kArrowSize, kArrowSize);
    paintShape(canvas.context(), triangle, kArrowInk, state);
    return canvas.snapshot();
}

}  // namespace

Colour fillOf(State state) {
    switch (state) {
        case State::Down:
            return palette::kButtonDown;
        case State::Over:
            return palette::kButtonOver;
        case State::Up:
            break;
    }
    return palette::kButtonUp;
}

RgbaImage paintLeftArrow(State state) {
    return paintArrow(leftTriangle, state);
}

RgbaImage paintRightArrow(State state) {
    return paintArrow(rightTriangle, state);
}

RgbaImage paintBar(State state) {
    Canvas canvas(kBarWidth, kBarHeight);
    paintPill(canvas.context(), kBarInk, kBarCornerRadius, state);
    return canvas.snapshot();
}

RgbaImage paintSmallButton(State state) {
    Canvas canvas(kSmallBarWidth, kSmallBarHeight);
    paintPill(canvas.context(), kSmallBarInk, kSmallBarCornerRadius, state);
    return canvas.snapshot();
}

}  // namespace button_art
