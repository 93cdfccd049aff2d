#include "check/LineMeasure.h"

#include <utility>

#include "art/GlyphArt.h"

LineMeasure::LineMeasure(std::map<char32_t, int> advances) : advances(std::move(advances)) {}

LineMeasure LineMeasure::of(const std::vector<glyph_spacing::NamedGlyph>& glyphs) {
    std::map<char32_t, int> advances;
    for (const glyph_spacing::NamedGlyph& glyph : glyphs) {
        const int advance = glyph_spacing::measure(*glyph.image).advance;
        for (const char32_t character : glyph.standsFor) {
            advances[character] = advance;
        }
    }
    return LineMeasure(std::move(advances));
}

bool LineMeasure::hasGlyph(char32_t character) const {
    return advances.count(character) > 0;
}

float LineMeasure::width(const std::u32string& line, float size) const {
    if (line.empty()) {
        return 0.0f;
    }
    int units = 2 * glyph_spacing::kLineMargin - glyph_spacing::kGap;
    for (const char32_t character : line) {
        const auto found = advances.find(character);
        units += found == advances.end() ? glyph_spacing::kBlankAdvance : found->second;
    }
    // In single precision, as the game measures.
    return static_cast<float>(units) * size / static_cast<float>(glyph_art::kCellWidth);
}

std::vector<std::u32string> LineMeasure::wrap(const std::u32string& text, float width,
                                              float size) const {
    std::vector<std::u32string> lines;
    std::u32string line;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t space = text.find(U' ', start);
        const std::size_t end = space == std::u32string::npos ? text.size() : space;
        const std::u32string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) {
            continue;
        }
        const std::u32string longer = line.empty() ? word : line + U" " + word;
        if (!line.empty() && this->width(longer, size) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}
