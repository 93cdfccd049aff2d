#include "art/GlyphSpacing.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "art/GlyphArt.h"
#include "text/Utf8.h"

namespace glyph_spacing {
namespace {

// A code point as the header writes it: 0x and four hexadecimal digits.
std::string hex(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04x", static_cast<unsigned>(c));
    return text;
}

// What a glyph stands for, for the header's comment beside its entry.
std::string shownFor(const std::u32string& characters) {
    std::string out;
    for (const char32_t c : characters) {
        out += (out.empty() ? "" : " ") + utf8::encode(c);
    }
    return out;
}

}  // namespace

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
           "// Written by tools/artgen with the glyphs in assets/fonts/: run it again rather\n"
           "// than editing this file.\n"
           "//\n"
           "// The glyphs of the bitmap font, in font order (assets/fonts/glyphs.cmake lists\n"
           "// the same files for the build): each glyph's file name, the characters of the\n"
           "// text it is shown for, as code points (a letter in lower case and its capital,\n"
           "// but the letters a to z in lower case only; else one character and 0), and how\n"
           "// the pen moves over it, in pixels of the glyph's cell, kGlyphCellWidth wide:\n"
           "// the cell is drawn `left` pixels before the pen, and the pen then moves on by\n"
           "// `advance`. Both come from the glyph's ink, its outline included, so that the\n"
           "// ink of any two neighbours stands kGlyphGap apart (less than nothing: their\n"
           "// outlines overlap), and the ink of a whole line lies kLineMargin inside either\n"
           "// end of it.\n"
           "struct GlyphSpacing {\n"
           "    const char* name;\n"
           "    char32_t characters[2];\n"
           "    int left;\n"
           "    int advance;\n"
           "};\n"
           "\n"
           "namespace Fonts {\n"
           "\n"
           "// A line of size S is lettered in cells S wide. Its capitals stand in the\n"
           "// square of rows kGlyphLineTop to kGlyphLineTop + kGlyphCellWidth - 1 (counted\n"
           "// from the cell's top) as they always did; the rows above hold the accents of\n"
           "// capitals, the rows below ogoneks, cedillas and tails.\n"
           "inline constexpr int kGlyphCellWidth = "
        << glyph_art::kCellWidth
        << ";\n"
           "inline constexpr int kGlyphCellHeight = "
        << glyph_art::kCellHeight
        << ";\n"
           "inline constexpr int kGlyphLineTop = "
        << glyph_art::kLineTop
        << ";\n"
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
           "// In font order: digits, letters, the marks . , ! - + : / ( ) ' ?, then the\n"
           "// letters and marks of the translations by code point.\n"
           "inline constexpr GlyphSpacing kGlyphSpacing["
        << glyphs.size() << "] = {\n";
    // One entry a line, the comments in one column as the house format sets them.
    std::vector<std::string> entries;
    std::size_t widest = 0;
    for (const NamedGlyph& glyph : glyphs) {
        const Spacing spacing = measure(*glyph.image);
        const char32_t second = glyph.standsFor.size() > 1 ? glyph.standsFor[1] : 0;
        entries.push_back("{\"" + glyph.name + "\", {" + hex(glyph.standsFor.at(0)) + ", " +
                          (second == 0 ? std::string("0") : hex(second)) + "}, " +
                          std::to_string(spacing.left) + ", " + std::to_string(spacing.advance) +
                          "},");
        widest = std::max(widest, entries.back().size());
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        out << "    " << entries[i] << std::string(widest - entries[i].size() + 2, ' ') << "// "
            << shownFor(glyphs[i].standsFor) << "\n";
    }
    out << "};\n"
           "\n"
           "}  // namespace Fonts\n"
           "\n"
           "#endif\n";
    return out.str();
}

std::string nameList(const std::vector<NamedGlyph>& glyphs) {
    std::string names;
    for (const NamedGlyph& glyph : glyphs) {
        names += " " + glyph.name;
    }
    return "# Written by tools/artgen: the glyphs of the bitmap font in font order, as\n"
           "# assets/GlyphSpacing.h lists them, for the build to embed. Run it again rather\n"
           "# than editing this file.\n"
           "set(TRUCEWARD_FONT_NAMES" +
           names + ")\n";
}

}  // namespace glyph_spacing
