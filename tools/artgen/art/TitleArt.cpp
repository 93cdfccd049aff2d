#include "art/TitleArt.h"

#include "art/FigureArt.h"
#include "art/GrassField.h"
#include "art/TitleLayout.h"
#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "paint/PathFit.h"
#include "paint/Shapes.h"
#include "paint/Style.h"
#include "text/Lettering.h"

namespace title_art {
namespace {

using namespace title_layout;

const char* const kTitleWords = "TRUCEWARD!";
// The title climbs this many pixels per pixel across; the letters stay
// upright, only their baseline rises.
constexpr double kTitleClimb = 0.085;
// A soft dark copy of the lettering behind it, lower and to the right.
constexpr double kShadowOffsetX = 5.0;
constexpr double kShadowOffsetY = 7.0;
constexpr double kShadowOpacity = 0.35;

constexpr double kPanelCornerRadius = 26.0;
constexpr double kSlotCornerRadius = 12.0;
// A thin lit lip along the bottom of each slot, as if cut into the panel.
constexpr double kSlotLipWidth = 1.5;
constexpr double kSlotLipOpacity = 0.16;

// The title is drawn 128 rows lower on the screen than the battle's
// background, so taking its grass from 128 rows further down the same field
// makes the grass stay put when the screens change.
constexpr int kGrassOriginRow = 128;

// Below the panel, the two sides face each other across the grass:
// civilians on the left, fighters on the right, each given by the top-left
// corner of its 64 x 64 figure.
struct Spot {
    double x;
    double y;
};
const Spot kCivilians[] = {{34.0, 826.0}, {96.0, 832.0}, {158.0, 824.0}};
const Spot kFighters[] = {{802.0, 824.0}, {864.0, 832.0}, {926.0, 826.0}};

void paintFigures(cairo_t* cr) {
    for (const Spot& spot : kCivilians) {
        cairo_save(cr);
        cairo_translate(cr, spot.x, spot.y);
        figure_art::drawFigure(cr);
        cairo_restore(cr);
    }
    for (const Spot& spot : kFighters) {
        cairo_save(cr);
        cairo_translate(cr, spot.x, spot.y);
        figure_art::drawFigure(cr);
        figure_art::drawEyes(cr);
        cairo_restore(cr);
    }
}

// The game's name, climbing to the right, filling the title's box. It is a
// name, the same in every language, so it is the one word the artwork keeps.
void paintHeading(cairo_t* cr) {
    const PathFit::PathBuilder slanted = [](cairo_t* context) {
        cairo_matrix_t climb;
        cairo_matrix_init(&climb, 1.0, -kTitleClimb, 0.0, 1.0, 0.0, 0.0);
        cairo_transform(context, &climb);
        Lettering::textPath(kTitleWords)(context);
    };
    const PathFit fit(cr, slanted, Bounds::ofPixels(kLettering, style::kEdgeInset), style::kOutline,
                      PathFit::Mode::Stretch);

    cairo_push_group(cr);
    cairo_save(cr);
    fit.apply(cr, kShadowOffsetX, kShadowOffsetY);
    slanted(cr);
    cairo_restore(cr);
    cairo_set_line_width(cr, 2.0 * style::kOutline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    palette::kInk.use(cr);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, kShadowOpacity);

    cairo_save(cr);
    fit.apply(cr);
    slanted(cr);
    cairo_restore(cr);
    shapes::outlineAndFill(cr, palette::kWhite);
}

void paintPanel(cairo_t* cr, const PixelBox& panel) {
    const Bounds area = Bounds::ofPixels(panel, style::kEdgeInset).grown(-style::kOutline);
    shapes::roundedRectangle(cr, area.left, area.top, area.width(), area.height(),
                             kPanelCornerRadius);
    shapes::outlineAndFillTranslucent(cr, palette::kPanel, style::kOutline);
}

void paintSlot(cairo_t* cr, const PixelBox& box) {
    const Bounds area = Bounds::ofPixels(box, 0.0);
    shapes::roundedRectangle(cr, area.left, area.top, area.width(), area.height(),
                             kSlotCornerRadius);
    palette::kSlot.use(cr);
    cairo_fill(cr);
    cairo_save(cr);
    shapes::roundedRectangle(cr, area.left, area.top, area.width(), area.height(),
                             kSlotCornerRadius);
    cairo_clip(cr);
    shapes::roundedRectangle(cr, area.left, area.top - kSlotLipWidth, area.width(), area.height(),
                             kSlotCornerRadius);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, area.left - 1.0, area.top - 1.0, area.width() + 2.0, area.height() + 2.0);
    palette::kWhite.withAlpha(kSlotLipOpacity).use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

// The grass with the figures, the heading over it (if any) and the panel.
void paintBase(Canvas& canvas, bool heading, const PixelBox& panel) {
    canvas.load(grass_field::paint(kSize, kSize, 0, kGrassOriginRow));
    cairo_t* cr = canvas.context();
    if (heading) {
        paintHeading(cr);
    }
    paintFigures(cr);
    paintPanel(cr, panel);
}

}  // namespace

RgbaImage paint() {
    Canvas canvas(kSize, kSize);
    paintBase(canvas, true, kPanel);
    cairo_t* cr = canvas.context();
    for (const PixelBox& slot :
         {kLeftCiviliansSlot, kRightCiviliansSlot, kLeftFightersSlot, kRightFightersSlot}) {
        paintSlot(cr, slot);
    }
    return canvas.snapshot();
}

RgbaImage paintHowToPlay() {
    Canvas canvas(kSize, kSize);
    paintBase(canvas, false, kHowToPlayPanel);
    return canvas.snapshot();
}

}  // namespace title_art
