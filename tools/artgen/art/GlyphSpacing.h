#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_GLYPHSPACING_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_GLYPHSPACING_H

#include <string>
#include <vector>

#include "image/RgbaImage.h"

// How the game's text moves its pen over each glyph, measured from the
// glyph's ink, its black outline included: the ink of any two neighbours in
// a line stands one gap apart, whatever their widths. Written for the game
// as assets/GlyphSpacing.h.
namespace glyph_spacing {

// Between the ink of two neighbours, in pixels of the 64-pixel-wide cell. It is
// less than nothing: neighbours' outlines overlap by half, so that their
// white stands a little more than one outline apart and a number reads as
// one word, not as digits in boxes.
constexpr int kGap = -2;
// The ink of a line starts this far after the pen's first place and ends as
// far before the line's width: the margin the widest letters leave in their
// cells, so that a line that starts with one keeps its place.
constexpr int kLineMargin = 3;
// What a character without a glyph (a blank) moves the pen by; with the
// gap it makes a word space of about a third of the height of a capital.
constexpr int kBlankAdvance = 20;

struct Spacing {
    // The cell is drawn this far before the pen, so that the ink starts one
    // line margin after it.
    int left = 0;
    // The pen then moves on by this much.
    int advance = 0;
};

Spacing measure(const RgbaImage& glyph);

struct NamedGlyph {
    std::string name;  // file name without ".png"
    // The characters of the game's text it is shown for (see glyph_art).
    std::u32string standsFor;
    const RgbaImage* image;
};

// The text of the game's header, for the glyphs in font order: for each, its
// file name, the characters it stands for and its spacing, and the cell's
// measures.
std::string header(const std::vector<NamedGlyph>& glyphs);
// The glyph list for the game's build (assets/fonts/glyphs.cmake): the file
// names in font order, so that it embeds exactly the glyphs drawn.
std::string nameList(const std::vector<NamedGlyph>& glyphs);

}  // namespace glyph_spacing

#endif
