#include "sheet/GlyphLine.h"

#include <cmath>
#include <optional>
#include <stdexcept>

#include "art/GlyphArt.h"
#include "art/GlyphSpacing.h"
#include "text/Utf8.h"

namespace glyph_line {
namespace {

std::u32string decoded(const std::string& text) {
    const std::optional<std::u32string> characters = utf8::decode(text);
    if (!characters) {
        throw std::invalid_argument("not UTF-8: " + text);
    }
    return *characters;
}

// How far the pen moves over each character, in pixels of the cell's width.
int advanceOf(const RgbaImage* glyph) {
    return glyph == nullptr ? glyph_spacing::kBlankAdvance : glyph_spacing::measure(*glyph).advance;
}

}  // namespace

void draw(const Canvas& canvas, const std::string& text, const GlyphSource& glyphFor, double x,
          double y, double size) {
    const double scale = size / glyph_art::kCellWidth;
    const double cellTop = y - (glyph_art::kLineTop + glyph_art::kCellWidth) * scale;
    int pen = 0;
    for (const char32_t c : decoded(text)) {
        const RgbaImage* glyph = glyphFor(c);
        if (glyph != nullptr) {
            const double left = x + (pen - glyph_spacing::measure(*glyph).left) * scale;
            canvas.drawImage(*glyph, left, cellTop, scale, scale);
        }
        pen += advanceOf(glyph);
    }
}

double width(const std::string& text, const GlyphSource& glyphFor, double size) {
    int units = 2 * glyph_spacing::kLineMargin - glyph_spacing::kGap;
    for (const char32_t c : decoded(text)) {
        units += advanceOf(glyphFor(c));
    }
    return units * size / glyph_art::kCellWidth;
}

RgbaImage image(const std::string& text, const GlyphSource& glyphFor, double size) {
    const double scale = size / glyph_art::kCellWidth;
    const Canvas canvas(static_cast<int>(std::ceil(width(text, glyphFor, size))),
                        static_cast<int>(std::ceil(glyph_art::kCellHeight * scale)));
    const double below = glyph_art::kCellHeight - glyph_art::kLineTop - glyph_art::kCellWidth;
    draw(canvas, text, glyphFor, 0.0, canvas.height() - below * scale, size);
    return canvas.snapshot();
}

}  // namespace glyph_line
