#include "art/GlyphSpacing.h"

#include <algorithm>
#include <sstream>

namespace glyph_spacing {

Spacing measure(const RgbaImage& glyph) {
    const PixelBox ink = glyph.inkBox();
    if (ink.isEmpty()) {
        return Spacing{0, 0};
    }
    return Spacing{ink.left - kLineMargin, ink.width() + kGap};
}

std::string header(const std::vector<NamedGlyph>& glyphs) {
    std::ostringstream out;
    out << "#ifndef TRUCEWARD_ASSETS_GLYPHSPACING_H\n"
           "#define TRUCEWARD_ASSETS_GLYPHSPACING_H\n"
           "\n"
           "// Written by tools/artgen from the ink of the glyphs in assets/fonts/: run it\n"
           "// again rather than editing this file.\n"
           "//\n"
           "// How the pen moves over a glyph of the bitmap font, in pixels of the glyph's\n"
           "// 64-pixel cell: the cell is drawn `left` pixels before the pen, and the pen\n"
           "// then moves on by `advance`. Both come from the glyph's ink, its outline\n"
           "// included, so that the ink of any two neighbours stands kGlyphGap apart (less\n"
           "// than nothing: their outlines overlap), and the ink of a whole line lies\n"
           "// kLineMargin inside either end of it.\n"
           "struct GlyphSpacing {\n"
           "    int left;\n"
           "    int advance;\n"
           "};\n"
           "\n"
           "namespace Fonts {\n"
           "\n"
           "inline constexpr int kGlyphCell = 64;\n"
           "inline constexpr int kGlyphGap = "
        << kGap
        << ";\n"
           "inline constexpr int kLineMargin = "
        << kLineMargin
        << ";\n"
           "// A character without a glyph moves the pen by this much.\n"
           "inline constexpr int kBlankAdvance = "
        << kBlankAdvance
        << ";\n"
           "// In font order: digits, letters, then the marks . , ! - + : / ( ) ' ?\n"
           "inline constexpr GlyphSpacing kGlyphSpacing["
        << glyphs.size() << "] = {\n";
    // One entry a line, the names in one column as the house format sets them.
    std::vector<std::string> entries;
    std::size_t widest = 0;
    for (const NamedGlyph& glyph : glyphs) {
        const Spacing spacing = measure(*glyph.image);
        entries.push_back("{" + std::to_string(spacing.left) + ", " +
                          std::to_string(spacing.advance) + "},");
        widest = std::max(widest, entries.back().size());
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        out << "    " << entries[i] << std::string(widest - entries[i].size() + 2, ' ') << "// "
            << glyphs[i].name << "\n";
    }
    out << "};\n"
           "\n"
           "}  // namespace Fonts\n"
           "\n"
           "#endif\n";
    return out.str();
}

}  // namespace glyph_spacing
