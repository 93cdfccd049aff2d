#include "art/GlyphArt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <stdexcept>

#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "paint/PathFit.h"
#include "paint/Shapes.h"
#include "paint/Style.h"
#include "text/Lettering.h"
#include "text/Utf8.h"

namespace glyph_art {
namespace {

// Letters and digits stand on one baseline with one cap height: their ink
// (outline included) reaches from row 19 to row 76 and stays within the
// same columns. The game spaces them by their ink (see GlyphSpacing), so
// only the widest use the whole width.
const PixelBox kLetterBox{3, kLineTop + 3, 60, kLineTop + 60};
// Marks that the face sets below the baseline (the semicolon's tail, the
// low quote, the inverted marks of Spanish) keep its placement there, in the
// whole cell within the letters' side margins.
const PixelBox kMarkBox{3, 3, 60, kCellHeight - 4};
const PixelBox kWholeCell{0, 0, kCellWidth - 1, kCellHeight - 1};

// The marks after the digits and letters, in font order, as the font has
// always had them.
const Glyph kFirstMarks[] = {
    {"fontperiod", ".", U"."},     {"fontcomma", ",", U","},    {"fontexclaim", "!", U"!"},
    {"fontminus", "-", U"-"},      {"fontplus", "+", U"+"},     {"fontcolon", ":", U":"},
    {"fontslash", "/", U"/"},      {"fontlparen", "(", U"("},   {"fontrparen", ")", U")"},
    {"fontapostrophe", "'", U"'"}, {"fontquestion", "?", U"?"},
};

// How a glyph beyond the first ones is set.
enum class Setting {
    Letter,    // as the capitals A to Z, within their rows
    OnLetter,  // exactly as its letter, the accent above it or the mark below
    Mark,      // as the face sets it, on the letters' baseline and scale
};

struct Extra {
    char32_t shown;
    const char32_t* standsFor;
    Setting setting;
    const char* letter;  // the capital an accented one is built on
};

// The letters and marks of the game's translations beyond English. Comic
// Neue Bold has no capital sharp s (U+1E9E), so the sharp s shows itself,
// as German writes it in capitals too.
// clang-format off
const Extra kExtras[] = {
    {U'"', U"\"", Setting::Letter, nullptr},      {U'%', U"%", Setting::Letter, nullptr},
    {U';', U";", Setting::Mark, nullptr},       {U'¡', U"¡", Setting::Mark, nullptr},
    {U'«', U"«", Setting::Letter, nullptr},       {U'»', U"»", Setting::Letter, nullptr},
    {U'¿', U"¿", Setting::Mark, nullptr},
    {U'À', U"àÀ", Setting::OnLetter, "A"},      {U'Á', U"áÁ", Setting::OnLetter, "A"},
    {U'Â', U"âÂ", Setting::OnLetter, "A"},      {U'Ã', U"ãÃ", Setting::OnLetter, "A"},
    {U'Ä', U"äÄ", Setting::OnLetter, "A"},      {U'Æ', U"æÆ", Setting::Letter, nullptr},
    {U'Ç', U"çÇ", Setting::OnLetter, "C"},      {U'È', U"èÈ", Setting::OnLetter, "E"},
    {U'É', U"éÉ", Setting::OnLetter, "E"},      {U'Ê', U"êÊ", Setting::OnLetter, "E"},
    {U'Ë', U"ëË", Setting::OnLetter, "E"},      {U'Ì', U"ìÌ", Setting::OnLetter, "I"},
    {U'Í', U"íÍ", Setting::OnLetter, "I"},      {U'Î', U"îÎ", Setting::OnLetter, "I"},
    {U'Ï', U"ïÏ", Setting::OnLetter, "I"},      {U'Ñ', U"ñÑ", Setting::OnLetter, "N"},
    {U'Ò', U"òÒ", Setting::OnLetter, "O"},      {U'Ó', U"óÓ", Setting::OnLetter, "O"},
    {U'Ô', U"ôÔ", Setting::OnLetter, "O"},      {U'Õ', U"õÕ", Setting::OnLetter, "O"},
    {U'Ö', U"öÖ", Setting::OnLetter, "O"},      {U'Ù', U"ùÙ", Setting::OnLetter, "U"},
    {U'Ú', U"úÚ", Setting::OnLetter, "U"},      {U'Û', U"ûÛ", Setting::OnLetter, "U"},
    {U'Ü', U"üÜ", Setting::OnLetter, "U"},      {U'ß', U"ßẞ", Setting::Letter, nullptr},
    {U'Ą', U"ąĄ", Setting::OnLetter, "A"},      {U'Ć', U"ćĆ", Setting::OnLetter, "C"},
    {U'Ę', U"ęĘ", Setting::OnLetter, "E"},      {U'Ł', U"łŁ", Setting::Letter, nullptr},
    {U'Ń', U"ńŃ", Setting::OnLetter, "N"},      {U'Œ', U"œŒ", Setting::Letter, nullptr},
    {U'Ś', U"śŚ", Setting::OnLetter, "S"},      {U'Ź', U"źŹ", Setting::OnLetter, "Z"},
    {U'Ż', U"żŻ", Setting::OnLetter, "Z"},      {U'–', U"–", Setting::Mark, nullptr},
    {U'’', U"’", Setting::Letter, nullptr},       {U'“', U"“", Setting::Letter, nullptr},
    {U'”', U"”", Setting::Letter, nullptr},       {U'„', U"„", Setting::Mark, nullptr},
    {U'…', U"…", Setting::Mark, nullptr},
};
// clang-format on

// Marks fitted into boxes of their own rather than set like the capitals:
// the first four as the font has always had them; the plus as high as it is
// wide (widened like the letters, it would be squat) with its bar on the
// minus's rows, so that +1 and -1 line up; the dash on the minus's rows
// across the letters' width; the ellipsis as three of the full stop's dots.
struct Boxed {
    const char* character;
    PixelBox box;
    PathFit::Mode mode;
};
const Boxed kBoxedMarks[] = {
    {".", PixelBox{25, kLineTop + 45, 38, kLineTop + 59}, PathFit::Mode::Stretch},
    {",", PixelBox{24, kLineTop + 44, 39, kLineTop + 62}, PathFit::Mode::KeepAspect},
    {"-", PixelBox{9, kLineTop + 26, 54, kLineTop + 37}, PathFit::Mode::Stretch},
    {"!", PixelBox{24, kLineTop + 3, 39, kLineTop + 60}, PathFit::Mode::Stretch},
    {"+", PixelBox{13, kLineTop + 13, 50, kLineTop + 50}, PathFit::Mode::KeepAspect},
    {"\u2013", PixelBox{3, kLineTop + 26, 60, kLineTop + 37}, PathFit::Mode::Stretch},
    {"\u2026", PixelBox{3, kLineTop + 45, 60, kLineTop + 59}, PathFit::Mode::KeepAspect},
};

// The letter whose height sets the scale of all letters and digits.
const char* const kCapitalReference = "H";
// The letters are set wider than the face draws them: a broad hand stays
// legible at the small sizes the game writes its numbers in.
constexpr double kWidening = 1.3;

// Where a text's path goes in the cell: scaled by (sx, sy), then shifted by
// (dx, dy) cell pixels.
struct Placement {
    double sx;
    double sy;
    double dx;
    double dy;
};

// Draws the path of text placed, then outlines and fills it.
void paintPlaced(cairo_t* cr, const std::string& text, const Placement& at) {
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_translate(cr, at.dx, at.dy);
    cairo_scale(cr, at.sx, at.sy);
    cairo_new_path(cr);
    Lettering::textPath(text)(cr);
    cairo_restore(cr);
    shapes::outlineAndFill(cr, palette::kWhite);
}

Bounds inside(const PixelBox& box) {
    return Bounds::ofPixels(box, style::kEdgeInset).grown(-style::kOutline);
}

// The letters' common scale and baseline, centred across the cell, narrowed
// or moved up and down only where the text would leave the box.
Placement placed(cairo_t* cr, const std::string& text, const PixelBox& box) {
    const Bounds letters = inside(kLetterBox);
    const Bounds room = inside(box);
    const Bounds capital = PathFit::measure(cr, Lettering::textPath(kCapitalReference));
    const double scale = letters.height() / capital.height();

    const Bounds own = PathFit::measure(cr, Lettering::textPath(text));
    double sx = scale * kWidening;
    double sy = scale;
    if (own.width() * sx > room.width()) {
        sx = room.width() / own.width();
    }
    double dy = letters.bottom;
    // Overshooting rounds and tails are pulled back inside the box.
    if (own.height() * sy > room.height()) {
        sy = room.height() / own.height();
        dy = room.top - own.top * sy;
    } else if (dy + own.bottom * sy > room.bottom) {
        dy = room.bottom - own.bottom * sy;
    } else if (dy + own.top * sy < room.top) {
        dy = room.top - own.top * sy;
    }
    return Placement{sx, sy, room.centreX() - own.centreX() * sx, dy};
}

// A capital with an accent above or a mark below is its letter's glyph
// with the mark added: the letter keeps its size and place, moved sideways
// by whole pixels only if the mark would leave the cell. Nothing is
// squeezed: a mark that does not fit stops the generator.
Placement placedOnLetter(cairo_t* cr, const std::string& text, const std::string& letter) {
    Placement at = placed(cr, letter, kLetterBox);
    const Bounds own = PathFit::measure(cr, Lettering::textPath(text));
    const Bounds ink = Bounds{at.dx + own.left * at.sx, at.dy + own.top * at.sy,
                              at.dx + own.right * at.sx, at.dy + own.bottom * at.sy}
                           .grown(style::kOutline);
    const Bounds cell = Bounds::ofPixels(kWholeCell, style::kEdgeInset);
    if (ink.top < cell.top || ink.bottom > cell.bottom || ink.width() > cell.width()) {
        throw std::runtime_error("the mark of " + text + " does not fit the glyph cell beside " +
                                 letter + " at its full size");
    }
    if (ink.right > cell.right) {
        at.dx -= std::ceil(ink.right - cell.right);
    } else if (ink.left < cell.left) {
        at.dx += std::ceil(cell.left - ink.left);
    }
    return at;
}

const Extra* extraShowing(const std::string& character) {
    for (const Extra& extra : kExtras) {
        if (utf8::encode(extra.shown) == character) {
            return &extra;
        }
    }
    return nullptr;
}

std::string fileName(char32_t shown) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04x", static_cast<unsigned>(shown));
    return std::string("fontu") + hex;
}

}  // namespace

std::vector<Glyph> allGlyphs() {
    std::vector<Glyph> glyphs;
    for (char digit = '0'; digit <= '9'; ++digit) {
        glyphs.push_back(
            {std::string("font") + digit, std::string(1, digit), std::u32string(1, digit)});
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        glyphs.push_back({std::string("font") + letter,
                          std::string(1, static_cast<char>(letter - 'a' + 'A')),
                          std::u32string(1, letter)});
    }
    glyphs.insert(glyphs.end(), std::begin(kFirstMarks), std::end(kFirstMarks));
    std::vector<Extra> extras(std::begin(kExtras), std::end(kExtras));
    std::sort(extras.begin(), extras.end(),
              [](const Extra& a, const Extra& b) { return a.shown < b.shown; });
    for (const Extra& extra : extras) {
        glyphs.push_back({fileName(extra.shown), utf8::encode(extra.shown), extra.standsFor});
    }
    return glyphs;
}

RgbaImage paint(const Glyph& glyph) {
    Canvas canvas(kCellWidth, kCellHeight);
    cairo_t* cr = canvas.context();
    for (const Boxed& mark : kBoxedMarks) {
        if (glyph.character == mark.character) {
            Lettering::paint(cr, glyph.character, Bounds::ofPixels(mark.box, style::kEdgeInset),
                             style::kOutline, mark.mode, palette::kWhite);
            return canvas.snapshot();
        }
    }
    const Extra* extra = extraShowing(glyph.character);
    const Setting setting = extra == nullptr ? Setting::Letter : extra->setting;
    switch (setting) {
        case Setting::OnLetter:
            paintPlaced(cr, glyph.character, placedOnLetter(cr, glyph.character, extra->letter));
            break;
        case Setting::Mark:
            paintPlaced(cr, glyph.character, placed(cr, glyph.character, kMarkBox));
            break;
        case Setting::Letter:
            paintPlaced(cr, glyph.character, placed(cr, glyph.character, kLetterBox));
            break;
    }
    return canvas.snapshot();
}

}  // namespace glyph_art
