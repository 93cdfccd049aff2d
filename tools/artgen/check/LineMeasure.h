#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_LINEMEASURE_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_LINEMEASURE_H

#include <map>
#include <string>
#include <vector>

#include "art/GlyphSpacing.h"

// Measures lines of text in the bitmap font exactly as the game does, from
// the glyphs' advances (assets/GlyphSpacing.h), so that the catalogs can be
// checked against the room the game gives their text.
class LineMeasure {
  public:
    // The advance of every character that has a glyph, in pixels of the
    // glyph cell's width.
    explicit LineMeasure(std::map<char32_t, int> advances);
    // The advances the glyphs' ink gives, for the characters each stands for.
    static LineMeasure of(const std::vector<glyph_spacing::NamedGlyph>& glyphs);

    bool hasGlyph(char32_t character) const;
    // The width of a line lettered at `size` (logical units; a glyph cell is
    // `size` wide): the advances of its glyphs, a blank's for a character
    // without one, less the one gap too many after the last glyph, with the
    // line's margin at either end. An empty line is 0 wide.
    float width(const std::u32string& line, float size) const;
    // The text broken at spaces into lines: a line starts with a word, and
    // the next word joins it when the joined line is at most `width` wide.
    // A word wider than that has a line of its own.
    std::vector<std::u32string> wrap(const std::u32string& text, float width, float size) const;

  private:
    std::map<char32_t, int> advances;
};

#endif
