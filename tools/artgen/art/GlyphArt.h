#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_GLYPHART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_GLYPHART_H

#include <string>
#include <vector>

#include "image/RgbaImage.h"

// The 40 glyphs of the bitmap font: white capitals, digits and four marks
// in the game's lettering, one per 64 x 64 cell.
namespace glyph_art {

constexpr int kCellSize = 64;

struct Glyph {
    std::string name;       // file name without extension, e.g. "fonta"
    std::string character;  // what is lettered, e.g. "A"
};

// All glyphs in font order: digits, letters a to z, full stop, comma,
// exclamation mark, minus.
std::vector<Glyph> allGlyphs();

// Draws one glyph cell.
RgbaImage paint(const Glyph& glyph);

}  // namespace glyph_art

#endif
