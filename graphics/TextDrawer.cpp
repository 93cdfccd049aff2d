#include "graphics/TextDrawer.h"

#include <GL/gl.h>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <unordered_map>

#include "assets/Fonts.h"
#include "graphics/EmbeddedFile.h"
#include "graphics/GlContext.h"
#include "graphics/TextureUpload.h"

namespace {

// The line's square of a cell (its rows kGlyphLineTop on) is drawn size by
// size; the rows above and below it stretch the quad by these fractions.
constexpr float kCellAbove = static_cast<float>(Fonts::kGlyphLineTop) / Fonts::kGlyphCellWidth;
constexpr float kCellBelow =
    static_cast<float>(Fonts::kGlyphCellHeight - Fonts::kGlyphLineTop - Fonts::kGlyphCellWidth) /
    Fonts::kGlyphCellWidth;
constexpr char32_t kNotUtf8 = 0xFFFD;

// The code points of UTF-8 text; a byte that begins no character is one that
// has no glyph, so broken text shows blanks rather than stopping the line.
std::u32string decodeUtf8(const std::string& text) {
    std::u32string decoded;
    std::size_t at = 0;
    while (at < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[at]);
        int following = 0;
        char32_t character = lead;
        if (lead >= 0xF0 && lead < 0xF8) {
            following = 3;
            character = lead & 0x07;
        } else if (lead >= 0xE0) {
            following = lead < 0xF0 ? 2 : 0;
            character = lead & 0x0F;
        } else if (lead >= 0xC2) {
            following = 1;
            character = lead & 0x1F;
        } else if (lead >= 0x80) {
            character = kNotUtf8;
        }
        ++at;
        for (int byte = 0; byte < following; ++byte, ++at) {
            const unsigned char next = at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
            if ((next & 0xC0) != 0x80) {
                character = kNotUtf8;
                break;
            }
            character = (character << 6) | (next & 0x3F);
        }
        decoded.push_back(character);
    }
    return decoded;
}

// In pixels of the glyph's cell: scaled by size / cell to the line's size.
int advanceOf(char32_t character) {
    const int glyph = TextDrawer::glyphIndex(character);
    return glyph < 0 ? Fonts::kBlankAdvance : Fonts::kGlyphSpacing[glyph].advance;
}

}  // namespace

TextDrawer::TextDrawer() : colour{1.0f, 1.0f, 1.0f} {}

unsigned int TextDrawer::texture(int glyph) {
    if (glyphGeneration != GlContext::generation()) {
        // The names of a context that is gone are no longer ours.
        glyphGeneration = GlContext::generation();
        std::fill(std::begin(glyphTextures), std::end(glyphTextures), 0u);
        std::fill(std::begin(tried), std::end(tried), false);
    }
    if (!tried[glyph]) {
        tried[glyph] = true;
        int width = 0;
        int height = 0;
        if (!uploadTexture(getRW(glyph), glyphTextures[glyph], width, height)) {
            std::cout << "Could not load font " << glyph << std::endl;
            glyphTextures[glyph] = 0;
        }
    }
    return glyphTextures[glyph];
}

TextDrawer::~TextDrawer() {
    // Every screen builds its own drawer, so a long evening of play would pile
    // textures up if they outlived it. Name 0 (a glyph not uploaded) is
    // ignored; names of a context that is gone are no longer ours.
    // A drawer that drew nothing may never have had a context to call.
    const bool any = std::any_of(std::begin(glyphTextures), std::end(glyphTextures),
                                 [](unsigned int name) { return name != 0; });
    if (any && glyphGeneration == GlContext::generation()) {
        glDeleteTextures(kGlyphCount, glyphTextures);
    }
}

SDL_RWops* TextDrawer::getRW(int index) {
    const bool known = index >= 1 && index < kGlyphCount && index < Fonts::kFileCount;
    return Fonts::kFiles[known ? index : 0].open();
}

int TextDrawer::glyphIndex(char32_t character) {
    // Built once: a few dozen glyphs, looked up for every character drawn.
    static const std::unordered_map<char32_t, int> glyphs = [] {
        std::unordered_map<char32_t, int> byCharacter;
        for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
            for (const char32_t shown : Fonts::kGlyphSpacing[glyph].characters) {
                if (shown != 0) {
                    byCharacter.emplace(shown, glyph);
                }
            }
        }
        return byCharacter;
    }();
    const auto found = glyphs.find(character);
    return found == glyphs.end() ? -1 : found->second;
}

void TextDrawer::drawText(const std::string& text, float x, float y, float size) {
    const float scale = size / static_cast<float>(Fonts::kGlyphCellWidth);
    // Counted in whole cell pixels, so that the line ends where textWidth says.
    int pen = 0;
    for (const char32_t character : decodeUtf8(text)) {
        const int glyph = glyphIndex(character);
        if (glyph >= 0) {
            const float left =
                x + static_cast<float>(pen - Fonts::kGlyphSpacing[glyph].left) * scale;
            const float bottom = y - kCellBelow * size;
            const float top = y + size + kCellAbove * size;
            glBindTexture(GL_TEXTURE_2D, texture(glyph));
            glColor3f(colour.red, colour.green, colour.blue);
            glBegin(GL_QUADS);
            glTexCoord2f(0, 1);
            glVertex2f(left, bottom);
            glTexCoord2f(1, 1);
            glVertex2f(left + size, bottom);
            glTexCoord2f(1, 0);
            glVertex2f(left + size, top);
            glTexCoord2f(0, 0);
            glVertex2f(left, top);
            glEnd();
            glBindTexture(GL_TEXTURE_2D, 0);
        }
        pen += advanceOf(character);
    }
}

void TextDrawer::drawCentred(const std::string& text, float centreX, float y, float size) {
    drawText(text, centreX - textWidth(text, size) * 0.5f, y, size);
}

float TextDrawer::textWidth(const std::string& text, float size) const {
    if (text.empty()) {
        return 0.0f;
    }
    // The pen's moves leave one gap too many after the last glyph, and the
    // ink keeps a margin inside both ends.
    int width = 2 * Fonts::kLineMargin - Fonts::kGlyphGap;
    for (const char32_t character : decodeUtf8(text)) {
        width += advanceOf(character);
    }
    return static_cast<float>(width) * size / static_cast<float>(Fonts::kGlyphCellWidth);
}

std::vector<std::string> TextDrawer::wrap(const std::string& text, float width, float size) const {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t space = text.find(' ', start);
        const std::size_t end = space == std::string::npos ? text.size() : space;
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) {
            continue;
        }
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && textWidth(longer, size) > width) {
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
