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

// The atlas: every glyph has its own slot, in font order, its cell in a
// transparent frame of one texel, 15 to a row (990 texels, within the 1024 of
// drivers that round to powers of two). A glyph is always drawn from the same
// texels, so that the same words look exactly the same whatever else a
// screen has lettered. The atlas holds the rows of the English glyphs from
// the start; the rows of the accented letters are added when a line first
// needs one.
constexpr int kFrame = 1;
constexpr int kSlotWidth = Fonts::kGlyphCellWidth + 2 * kFrame;
constexpr int kSlotHeight = Fonts::kGlyphCellHeight + 2 * kFrame;
constexpr int kSlotsPerRow = 15;
// Digits, a to z and the marks . , ! - + : / ( ) ' ? come first in the font.
constexpr int kEnglishGlyphs = 47;
constexpr int kEnglishRows = (kEnglishGlyphs + kSlotsPerRow - 1) / kSlotsPerRow;

int slotLeft(int glyph) {
    return glyph % kSlotsPerRow * kSlotWidth;
}

int slotTop(int glyph) {
    return glyph / kSlotsPerRow * kSlotHeight;
}

int atlasWidth() {
    return textureSide(kSlotsPerRow * kSlotWidth);
}

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

TextDrawer::TextDrawer() : colour{1.0f, 1.0f, 1.0f} {
    std::fill(std::begin(uploaded), std::end(uploaded), Upload::None);
}

TextDrawer::~TextDrawer() {
    // Every screen builds its own drawer, so a long evening of play would pile
    // textures up if they outlived it; a name of a context that is gone is no
    // longer ours, and a drawer that drew nothing may have had no context.
    if (atlas != 0 && atlasGeneration == GlContext::generation()) {
        glDeleteTextures(1, &atlas);
    }
}

bool TextDrawer::holds(int glyph) const {
    return glyph >= 0 && glyph < kGlyphCount && uploaded[glyph] == Upload::Done;
}

void TextDrawer::upload(int glyph) {
    SDL_Surface* picture = decodeRgba(getRW(glyph));
    if (picture == nullptr || picture->w != Fonts::kGlyphCellWidth ||
        picture->h != Fonts::kGlyphCellHeight) {
        std::cout << "Could not load font " << glyph << std::endl;
        SDL_FreeSurface(picture);
        uploaded[glyph] = Upload::Unreadable;
        return;
    }
    // The glyph with its transparent frame, so that filtering at its edges
    // never reads a neighbour.
    std::vector<unsigned char> framed(static_cast<std::size_t>(kSlotWidth) * kSlotHeight * 4, 0);
    const auto* pixels = static_cast<const unsigned char*>(picture->pixels);
    const std::size_t rowBytes = static_cast<std::size_t>(Fonts::kGlyphCellWidth) * 4;
    for (int row = 0; row < Fonts::kGlyphCellHeight; ++row) {
        std::copy_n(pixels + row * rowBytes, rowBytes,
                    framed.begin() + ((row + kFrame) * kSlotWidth + kFrame) * 4);
    }
    SDL_FreeSurface(picture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, slotLeft(glyph), slotTop(glyph), kSlotWidth, kSlotHeight,
                    GL_RGBA, GL_UNSIGNED_BYTE, framed.data());
    uploaded[glyph] = Upload::Done;
}

void TextDrawer::makeAtlas(int rows) {
    if (atlas != 0) {
        glDeleteTextures(1, &atlas);
    }
    atlasRows = rows;
    atlasHeight = textureSide(rows * kSlotHeight);
    atlas = uploadPixels(nullptr, atlasWidth(), atlasHeight);
    glBindTexture(GL_TEXTURE_2D, atlas);
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
        if (uploaded[glyph] == Upload::Done) {
            upload(glyph);
        }
    }
}

void TextDrawer::place(const std::u32string& line) {
    int rows = std::max(atlasRows, kEnglishRows);
    bool missing = false;
    for (const char32_t character : line) {
        const int glyph = glyphIndex(character);
        if (glyph >= 0) {
            rows = std::max(rows, glyph / kSlotsPerRow + 1);
            missing = missing || uploaded[glyph] == Upload::None;
        }
    }
    const bool anew = atlas == 0 || atlasGeneration != GlContext::generation() || rows > atlasRows;
    if (!anew && !missing) {
        // Every frame letters the same lines: nothing to bind or upload.
        return;
    }
    if (anew) {
        // The first glyph, a context made anew (which holds none of the old
        // textures) or a row more: the atlas is made, with every glyph it had.
        if (atlasGeneration != GlContext::generation()) {
            atlasGeneration = GlContext::generation();
            atlas = 0;
        }
        makeAtlas(rows);
    } else {
        glBindTexture(GL_TEXTURE_2D, atlas);
    }
    for (const char32_t character : line) {
        const int glyph = glyphIndex(character);
        if (glyph >= 0 && uploaded[glyph] == Upload::None) {
            upload(glyph);
        }
    }
    glBindTexture(GL_TEXTURE_2D, 0);
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
    const std::u32string line = decodeUtf8(text);
    place(line);
    if (atlas == 0) {
        return;
    }
    const float scale = size / static_cast<float>(Fonts::kGlyphCellWidth);
    const float bottom = y - kCellBelow * size;
    const float top = y + size + kCellAbove * size;
    const float width = static_cast<float>(atlasWidth());
    const float height = static_cast<float>(atlasHeight);
    glBindTexture(GL_TEXTURE_2D, atlas);
    glColor3f(colour.red, colour.green, colour.blue);
    glBegin(GL_QUADS);
    // Counted in whole cell pixels, so that the line ends where textWidth says.
    int pen = 0;
    for (const char32_t character : line) {
        const int glyph = glyphIndex(character);
        if (holds(glyph)) {
            const float left =
                x + static_cast<float>(pen - Fonts::kGlyphSpacing[glyph].left) * scale;
            const float u0 = static_cast<float>(slotLeft(glyph) + kFrame) / width;
            const float u1 = u0 + static_cast<float>(Fonts::kGlyphCellWidth) / width;
            const float v0 = static_cast<float>(slotTop(glyph) + kFrame) / height;
            const float v1 = v0 + static_cast<float>(Fonts::kGlyphCellHeight) / height;
            glTexCoord2f(u0, v1);
            glVertex2f(left, bottom);
            glTexCoord2f(u1, v1);
            glVertex2f(left + size, bottom);
            glTexCoord2f(u1, v0);
            glVertex2f(left + size, top);
            glTexCoord2f(u0, v0);
            glVertex2f(left, top);
        }
        pen += advanceOf(character);
    }
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
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
