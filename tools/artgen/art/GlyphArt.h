#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_GLYPHART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_GLYPHART_H

#include <string>
#include <vector>

#include "image/RgbaImage.h"

// The glyphs of the bitmap font: white digits, capitals and marks in the
// game's lettering, one per cell 64 wide and 96 high. A line of text stands
// in the cell's middle square, rows 16 to 79: capitals reach from row 19 to
// row 76, their baseline. The 16 rows above hold the accents of capitals,
// the 16 below ogoneks, cedillas and tails.
namespace glyph_art {

constexpr int kCellWidth = 64;
constexpr int kCellHeight = 96;
// The first row of the line's square, which is kCellWidth high.
constexpr int kLineTop = 16;

struct Glyph {
    std::string name;       // file name without extension, e.g. "fonta"
    std::string character;  // what is lettered (UTF-8), e.g. "A"
    // The characters of the game's text it is shown for: a letter in lower
    // case and its capital, or the one character (a digit, a mark). The
    // letters a to z stand for their lower case only, as the game's text
    // has always been written.
    std::u32string standsFor;
};

// All glyphs in font order: digits, letters a to z, full stop, comma,
// exclamation mark, minus, plus, colon, slash, both parentheses, apostrophe
// and question mark, then the glyphs for the game's translations in the
// order of the character they show, each named "fontu" and its code point
// in four lower-case hexadecimal digits (fontu00c9 shows É).
std::vector<Glyph> allGlyphs();

// Draws one glyph cell; throws std::runtime_error when the lettering's face
// lacks the character or a capital's accent does not fit the cell.
RgbaImage paint(const Glyph& glyph);

}  // namespace glyph_art

#endif
