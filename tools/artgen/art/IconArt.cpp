#include "art/IconArt.h"

#include "art/BrickArt.h"
#include "art/FigureArt.h"
#include "art/GrassField.h"
#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "paint/Shapes.h"

namespace icon_art {
namespace {

// The icon is designed on a 64-unit square and scaled to each size.
constexpr double design = 64.0;
constexpr double tileInset = 1.5;
constexpr double tileRadius = 12.0;
// The tile's outline is thinner than the game's, since the whole icon is
// seen much smaller than the game's pictures.
constexpr double tileOutline = 2.5;
// The figure, a little enlarged, and the two bricks it carries.
constexpr double figureScale = 0.95;
constexpr double figureTop = 3.0;
constexpr double brickScale = 0.42;
constexpr double brickSpread = 19.0;
constexpr double brickRaise = 4.0;

void tilePath(cairo_t* cr) {
    const double inner = tileInset + tileOutline;
    shapes::roundedRectangle(cr, inner, inner, design - 2.0 * inner, design - 2.0 * inner,
                             tileRadius);
}

}  // namespace

RgbaImage paint(int size) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.context();
    const double unit = size / design;
    cairo_scale(cr, unit, unit);

    tilePath(cr);
    shapes::outlineAndFill(cr, palette::grassDark, tileOutline);
    cairo_save(cr);
    tilePath(cr);
    cairo_clip(cr);
    cairo_identity_matrix(cr);
    const int grassSize = size;
    canvas.drawImage(grass_field::paint(grassSize, grassSize), 0.0, 0.0);
    cairo_restore(cr);

    for (double side : {-1.0, 1.0}) {
        cairo_save(cr);
        const double centre = design / 2.0;
        cairo_translate(cr, centre + side * brickSpread, centre + brickRaise);
        cairo_scale(cr, brickScale, brickScale);
        cairo_translate(cr, -centre, -centre);
        brick_art::drawBrick(cr);
        cairo_restore(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, design / 2.0, figureTop);
    cairo_scale(cr, figureScale, figureScale);
    cairo_translate(cr, -design / 2.0, 0.0);
    figure_art::drawFigure(cr);
    cairo_restore(cr);
    return canvas.snapshot();
}

}  // namespace icon_art
