#include "art/ButtonArt.h"

#include <functional>

#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"
#include "paint/PathFit.h"
#include "paint/Shapes.h"
#include "paint/Style.h"
#include "text/Lettering.h"

namespace button_art {
namespace {

constexpr int arrowSize = 64;
// The triangle's ink, outline included: centred in its 64 x 64 frame with
// room for the neighbouring number slot on the title screen.
const PixelBox arrowInk{7, 8, 56, 55};

constexpr int barWidth = 512;
constexpr int barHeight = 128;
const PixelBox barInk{90, 20, 421, 107};
constexpr double barCornerRadius = 30.0;
// ENTER WAR is lettered inside this box, outline included.
const PixelBox barLetters{140, 38, 371, 89};
const char* const barWords = "ENTER WAR";

// The gloss over every fill: a light upper half and a faint shade at the
// bottom. It is the same in all three states.
constexpr double glossOpacity = 0.42;
constexpr double shadeOpacity = 0.18;

// The triangles, in units of the button's size: tip on one side, upright
// base on the other, corners slightly rounded like the pointer's outline.
constexpr double triangleCorner = 0.07;
const double leftCorners[3][2] = {{0.0, 0.5}, {0.9, 0.0}, {0.9, 1.0}};
const double rightCorners[3][2] = {{0.9, 0.5}, {0.0, 1.0}, {0.0, 0.0}};

void leftTriangle(cairo_t* cr) {
    shapes::roundedPolygon(cr, leftCorners, 3, triangleCorner);
}

void rightTriangle(cairo_t* cr) {
    shapes::roundedPolygon(cr, rightCorners, 3, triangleCorner);
}

// Paints the gloss inside the current clip, from top to bottom of the shape:
// light fading out over the upper half, clear through the middle, a faint
// shade along the bottom.
void paintGloss(cairo_t* cr, double top, double bottom) {
    constexpr double lightFades = 0.45;
    constexpr double lightGone = 0.55;
    constexpr double shadeStarts = 0.8;
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0.0, top, 0.0, bottom);
    gradients::addStop(gloss, 0.0, palette::white.withAlpha(glossOpacity));
    gradients::addStop(gloss, lightFades, palette::white.withAlpha(glossOpacity / 4.0));
    gradients::addStop(gloss, lightGone, palette::white.withAlpha(0.0));
    gradients::addStop(gloss, shadeStarts, palette::ink.withAlpha(0.0));
    gradients::addStop(gloss, 1.0, palette::ink.withAlpha(shadeOpacity));
    cairo_set_source(cr, gloss);
    cairo_paint(cr);
    cairo_pattern_destroy(gloss);
}

// Fits the shape's ink into the box, outlines it, fills it with the state's
// colour and lays the gloss over the fill.
void paintShape(cairo_t* cr, const PathFit::PathBuilder& shape, const PixelBox& ink, State state) {
    const PathFit fit(cr, shape, Bounds::ofPixels(ink, style::edgeInset), style::outline,
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

RgbaImage paintArrow(const PathFit::PathBuilder& triangle, State state) {
    Canvas canvas(arrowSize, arrowSize);
    paintShape(canvas.context(), triangle, arrowInk, state);
    return canvas.snapshot();
}

}  // namespace

Colour fillOf(State state) {
    switch (state) {
        case State::Down:
            return palette::buttonDown;
        case State::Over:
            return palette::buttonOver;
        case State::Up:
            break;
    }
    return palette::buttonUp;
}

RgbaImage paintLeftArrow(State state) {
    return paintArrow(leftTriangle, state);
}

RgbaImage paintRightArrow(State state) {
    return paintArrow(rightTriangle, state);
}

RgbaImage paintStartBar(State state) {
    Canvas canvas(barWidth, barHeight);
    cairo_t* cr = canvas.context();
    const Bounds inkArea = Bounds::ofPixels(barInk, style::edgeInset);
    const Bounds pathArea = inkArea.grown(-style::outline);
    auto bar = [pathArea](cairo_t* context) {
        shapes::roundedRectangle(context, pathArea.left, pathArea.top, pathArea.width(),
                                 pathArea.height(), barCornerRadius);
    };
    paintShape(cr, bar, barInk, state);
    Lettering::paint(cr, barWords, Bounds::ofPixels(barLetters, style::edgeInset), style::outline,
                     PathFit::Mode::KeepAspect, palette::white);
    return canvas.snapshot();
}

}  // namespace button_art
