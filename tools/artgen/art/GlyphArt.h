#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_GLYPHART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_GLYPHART_H

#include <string>
#include <vector>

#include "image/RgbaImage.h"

// The glyphs of the bitmap font: white digits, capitals and marks in the
// game's lettering, one per 64 x 64 cell.
namespace glyph_art {

constexpr int kCellSize = 64;

struct Glyph {
    std::string name;       // file name without extension, e.g. "fonta"
    std::string character;  // what is lettered (UTF-8), e.g. "A"
};

// All glyphs in font order: digits, letters a to z, full stop, comma,
// exclamation mark, minus, plus, colon, slash, both parentheses, apostrophe
// and question mark.
std::vector<Glyph> allGlyphs();

// Draws one glyph cell.
RgbaImage paint(const Glyph& glyph);

}  // namespace glyph_art

#endif
