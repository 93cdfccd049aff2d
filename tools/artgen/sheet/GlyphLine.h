#ifndef TRUCEWARD_TOOLS_ARTGEN_SHEET_GLYPHLINE_H
#define TRUCEWARD_TOOLS_ARTGEN_SHEET_GLYPHLINE_H

#include <functional>
#include <string>

#include "image/RgbaImage.h"
#include "paint/Canvas.h"

// A line of text lettered with the glyph images as the game's bitmap text
// letters it: cells `size` wide, spaced by the glyphs' ink, the line's
// square (rows 16 to 79 of a cell) standing on the line.
namespace glyph_line {

// The glyph image of a character, or null where the font has none (a
// blank, a capital A to Z).
using GlyphSource = std::function<const RgbaImage*(char32_t)>;

// The width of the line at that size, as the game measures it: its ink with
// a margin at either end.
double width(const std::string& text, const GlyphSource& glyphFor, double size);
// Letters text (UTF-8) into the canvas, the line's lower-left corner at
// canvas pixel (x, y), y downwards.
void draw(const Canvas& canvas, const std::string& text, const GlyphSource& glyphFor, double x,
          double y, double size);
// The line alone on a clear image, as wide as the game measures it and as
// high as its cells.
RgbaImage image(const std::string& text, const GlyphSource& glyphFor, double size);

}  // namespace glyph_line

#endif
