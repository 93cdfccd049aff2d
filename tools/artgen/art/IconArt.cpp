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
constexpr double kDesign = 64.0;
constexpr double kTileInset = 1.5;
constexpr double kTileRadius = 12.0;
// The tile's outline is thinner than the game's, since the whole icon is
// seen much smaller than the game's pictures.
constexpr double kTileOutline = 2.5;
// The figure, a little enlarged, and the two bricks it carries.
constexpr double kFigureScale = 0.95;
constexpr double kFigureTop = 3.0;
constexpr double kBrickScale = 0.42;
constexpr double kBrickSpread = 19.0;
constexpr double kBrickRaise = 4.0;

void tilePath(cairo_t* cr) {
    const double inner = kTileInset + kTileOutline;
    shapes::roundedRectangle(cr, inner, inner, kDesign - 2.0 * inner, kDesign - 2.0 * inner,
                             kTileRadius);
}

}  // namespace

RgbaImage paint(int size) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.context();
    const double unit = size / kDesign;
    cairo_scale(cr, unit, unit);

    tilePath(cr);
    shapes::outlineAndFill(cr, palette::kGrassDark, kTileOutline);
    cairo_save(cr);
    tilePath(cr);
    cairo_clip(cr);
    cairo_identity_matrix(cr);
    const int grassSize = size;
    canvas.drawImage(grass_field::paint(grassSize, grassSize), 0.0, 0.0);
    cairo_restore(cr);

    for (double side : {-1.0, 1.0}) {
        cairo_save(cr);
        const double centre = kDesign / 2.0;
        cairo_translate(cr, centre + side * kBrickSpread, centre + kBrickRaise);
        cairo_scale(cr, kBrickScale, kBrickScale);
        cairo_translate(cr, -centre, -centre);
        brick_art::drawBrick(cr);
        cairo_restore(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, kDesign / 2.0, kFigureTop);
    cairo_scale(cr, kFigureScale, kFigureScale);
    cairo_translate(cr, -kDesign / 2.0, 0.0);
    figure_art::drawFigure(cr);
    cairo_restore(cr);
    return canvas.snapshot();
}

}  // namespace icon_art
