#include "art/GlyphArt.h"

#include <algorithm>
#include <iterator>

#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "paint/PathFit.h"
#include "paint/Shapes.h"
#include "paint/Style.h"
#include "text/Lettering.h"

namespace glyph_art {
namespace {

// Letters and digits stand on one baseline with one cap height: their ink
// (outline included) reaches from row 3 to row 60 and stays within the
// same columns. The game spaces them by their ink (see GlyphSpacing), so
// only the widest use the whole width.
const PixelBox kLetterBox{3, 3, 60, 60};
// The glyphs after the digits and letters, in font order. Any character
// the face has can be added here (accented capitals, say): it is lettered
// like the capitals unless it is given a box of its own below.
const Glyph kMoreGlyphs[] = {
    {"fontperiod", "."}, {"fontcomma", ","},      {"fontexclaim", "!"},  {"fontminus", "-"},
    {"fontplus", "+"},   {"fontcolon", ":"},      {"fontslash", "/"},    {"fontlparen", "("},
    {"fontrparen", ")"}, {"fontapostrophe", "'"}, {"fontquestion", "?"},
};

// Marks fitted into boxes of their own rather than set like the capitals:
// the first four as the font has always had them, and the plus as high as
// it is wide (widened like the letters, it would be squat) with its bar on
// the minus's rows, so that +1 and -1 line up.
struct Boxed {
    const char* character;
    PixelBox box;
    PathFit::Mode mode;
};
const Boxed kBoxedMarks[] = {
    {".", PixelBox{25, 45, 38, 59}, PathFit::Mode::Stretch},
    {",", PixelBox{24, 44, 39, 62}, PathFit::Mode::KeepAspect},
    {"-", PixelBox{9, 26, 54, 37}, PathFit::Mode::Stretch},
    {"!", PixelBox{24, 3, 39, 60}, PathFit::Mode::Stretch},
    {"+", PixelBox{13, 13, 50, 50}, PathFit::Mode::KeepAspect},
};

// The letter whose height sets the scale of all letters and digits.
const char* const kCapitalReference = "H";
// The letters are set wider than the face draws them: a broad hand stays
// legible at the small sizes the game writes its numbers in.
constexpr double kWidening = 1.3;

// Draws the path of text scaled by (sx, sy) and shifted by (dx, dy) in cell
// pixels, then outlines and fills it.
void paintPlaced(cairo_t* cr, const std::string& text, double sx, double sy, double dx, double dy) {
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_translate(cr, dx, dy);
    cairo_scale(cr, sx, sy);
    cairo_new_path(cr);
    Lettering::textPath(text)(cr);
    cairo_restore(cr);
    shapes::outlineAndFill(cr, palette::kWhite);
}

// A letter or digit: the common scale and baseline, centred across the
// cell, narrowed or lowered only where it would leave its box.
void paintLetter(cairo_t* cr, const std::string& text) {
    const Bounds room = Bounds::ofPixels(kLetterBox, style::kEdgeInset).grown(-style::kOutline);
    const Bounds capital = PathFit::measure(cr, Lettering::textPath(kCapitalReference));
    const double scale = room.height() / capital.height();
    const double baseline = room.bottom;

    const Bounds own = PathFit::measure(cr, Lettering::textPath(text));
    double sx = scale * kWidening;
    double sy = scale;
    if (own.width() * sx > room.width()) {
        sx = room.width() / own.width();
    }
    double dy = baseline;
    // Overshooting rounds and tails are pulled back inside the box.
    if (own.height() * sy > room.height()) {
        sy = room.height() / own.height();
        dy = room.top - own.top * sy;
    } else if (dy + own.bottom * sy > room.bottom) {
        dy = room.bottom - own.bottom * sy;
    } else if (dy + own.top * sy < room.top) {
        dy = room.top - own.top * sy;
    }
    const double dx = room.centreX() - own.centreX() * sx;
    paintPlaced(cr, text, sx, sy, dx, dy);
}

}  // namespace

std::vector<Glyph> allGlyphs() {
    std::vector<Glyph> glyphs;
    for (char digit = '0'; digit <= '9'; ++digit) {
        glyphs.push_back({std::string("font") + digit, std::string(1, digit)});
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        glyphs.push_back(
            {std::string("font") + letter, std::string(1, static_cast<char>(letter - 'a' + 'A'))});
    }
    glyphs.insert(glyphs.end(), std::begin(kMoreGlyphs), std::end(kMoreGlyphs));
    return glyphs;
}

RgbaImage paint(const Glyph& glyph) {
    Canvas canvas(kCellSize, kCellSize);
    cairo_t* cr = canvas.context();
    for (const Boxed& mark : kBoxedMarks) {
        if (glyph.character == mark.character) {
            Lettering::paint(cr, glyph.character, Bounds::ofPixels(mark.box, style::kEdgeInset),
                             style::kOutline, mark.mode, palette::kWhite);
            return canvas.snapshot();
        }
    }
    paintLetter(cr, glyph.character);
    return canvas.snapshot();
}

}  // namespace glyph_art
