#include "graphics/TextDrawer.h"

#include <GL/gl.h>

#include <iostream>
#include <iterator>

#include "assets/Fonts.h"
#include "assets/GlyphSpacing.h"
#include "graphics/EmbeddedFile.h"
#include "graphics/GlContext.h"
#include "graphics/TextureUpload.h"

namespace {

// Indexed by glyph: digits, letters, then the marks in kMarks' order.
const EmbeddedFile kGlyphFiles[TextDrawer::kGlyphCount] = {
    {Fonts::font0_png, &Fonts::font0_png_len},
    {Fonts::font1_png, &Fonts::font1_png_len},
    {Fonts::font2_png, &Fonts::font2_png_len},
    {Fonts::font3_png, &Fonts::font3_png_len},
    {Fonts::font4_png, &Fonts::font4_png_len},
    {Fonts::font5_png, &Fonts::font5_png_len},
    {Fonts::font6_png, &Fonts::font6_png_len},
    {Fonts::font7_png, &Fonts::font7_png_len},
    {Fonts::font8_png, &Fonts::font8_png_len},
    {Fonts::font9_png, &Fonts::font9_png_len},
    {Fonts::fonta_png, &Fonts::fonta_png_len},
    {Fonts::fontb_png, &Fonts::fontb_png_len},
    {Fonts::fontc_png, &Fonts::fontc_png_len},
    {Fonts::fontd_png, &Fonts::fontd_png_len},
    {Fonts::fonte_png, &Fonts::fonte_png_len},
    {Fonts::fontf_png, &Fonts::fontf_png_len},
    {Fonts::fontg_png, &Fonts::fontg_png_len},
    {Fonts::fonth_png, &Fonts::fonth_png_len},
    {Fonts::fonti_png, &Fonts::fonti_png_len},
    {Fonts::fontj_png, &Fonts::fontj_png_len},
    {Fonts::fontk_png, &Fonts::fontk_png_len},
    {Fonts::fontl_png, &Fonts::fontl_png_len},
    {Fonts::fontm_png, &Fonts::fontm_png_len},
    {Fonts::fontn_png, &Fonts::fontn_png_len},
    {Fonts::fonto_png, &Fonts::fonto_png_len},
    {Fonts::fontp_png, &Fonts::fontp_png_len},
    {Fonts::fontq_png, &Fonts::fontq_png_len},
    {Fonts::fontr_png, &Fonts::fontr_png_len},
    {Fonts::fonts_png, &Fonts::fonts_png_len},
    {Fonts::fontt_png, &Fonts::fontt_png_len},
    {Fonts::fontu_png, &Fonts::fontu_png_len},
    {Fonts::fontv_png, &Fonts::fontv_png_len},
    {Fonts::fontw_png, &Fonts::fontw_png_len},
    {Fonts::fontx_png, &Fonts::fontx_png_len},
    {Fonts::fonty_png, &Fonts::fonty_png_len},
    {Fonts::fontz_png, &Fonts::fontz_png_len},
    {Fonts::fontperiod_png, &Fonts::fontperiod_png_len},
    {Fonts::fontcomma_png, &Fonts::fontcomma_png_len},
    {Fonts::fontexclaim_png, &Fonts::fontexclaim_png_len},
    {Fonts::fontminus_png, &Fonts::fontminus_png_len},
    {Fonts::fontplus_png, &Fonts::fontplus_png_len},
    {Fonts::fontcolon_png, &Fonts::fontcolon_png_len},
    {Fonts::fontslash_png, &Fonts::fontslash_png_len},
    {Fonts::fontlparen_png, &Fonts::fontlparen_png_len},
    {Fonts::fontrparen_png, &Fonts::fontrparen_png_len},
    {Fonts::fontapostrophe_png, &Fonts::fontapostrophe_png_len},
    {Fonts::fontquestion_png, &Fonts::fontquestion_png_len},
};

static_assert(std::size(Fonts::kGlyphSpacing) == TextDrawer::kGlyphCount,
              "a spacing for every glyph");

constexpr int kFirstLetterGlyph = 10;
constexpr int kFirstMarkGlyph = 36;
// The marks, in the font's order after the letters.
constexpr char kMarks[] = ".,!-+:/()'?";
static_assert(kFirstMarkGlyph + sizeof kMarks - 1 == TextDrawer::kGlyphCount,
              "a glyph for every mark");

// In pixels of the glyph's cell: scaled by size / cell to the line's size.
int advanceOf(char character) {
    const int glyph = TextDrawer::glyphIndex(character);
    return glyph < 0 ? Fonts::kBlankAdvance : Fonts::kGlyphSpacing[glyph].advance;
}

}  // namespace

TextDrawer::TextDrawer() : colour{1.0f, 1.0f, 1.0f} {}

void TextDrawer::uploadGlyphs() {
    uploaded = true;
    glyphGeneration = GlContext::generation();
    for (int index = 0; index < kGlyphCount; ++index) {
        glyphTextures[index] = 0;
        int width = 0;
        int height = 0;
        if (!uploadTexture(getRW(index), glyphTextures[index], width, height)) {
            std::cout << "Could not load font " << index << std::endl;
        }
    }
}

TextDrawer::~TextDrawer() {
    // Every screen builds its own drawer, so a long evening of play would pile
    // textures up if they outlived it. Name 0 (a glyph that failed) is ignored;
    // names of a context that is gone are no longer ours.
    if (uploaded && glyphGeneration == GlContext::generation()) {
        glDeleteTextures(kGlyphCount, glyphTextures);
    }
}

SDL_RWops* TextDrawer::getRW(int index) {
    const EmbeddedFile& file =
        index >= 1 && index < kGlyphCount ? kGlyphFiles[index] : kGlyphFiles[0];
    return file.open();
}

int TextDrawer::glyphIndex(char character) {
    if (character >= '0' && character <= '9') {
        return character - '0';
    }
    if (character >= 'a' && character <= 'z') {
        return kFirstLetterGlyph + (character - 'a');
    }
    for (std::size_t mark = 0; mark + 1 < sizeof kMarks; ++mark) {
        if (character == kMarks[mark]) {
            return kFirstMarkGlyph + static_cast<int>(mark);
        }
    }
    return -1;
}

void TextDrawer::drawText(const std::string& text, float x, float y, float size) {
    if (!uploaded || glyphGeneration != GlContext::generation()) {
        uploadGlyphs();
    }
    const float scale = size / static_cast<float>(Fonts::kGlyphCell);
    // Counted in whole cell pixels, so that the line ends where textWidth says.
    int pen = 0;
    for (const char character : text) {
        const int glyph = glyphIndex(character);
        if (glyph >= 0) {
            const float left =
                x + static_cast<float>(pen - Fonts::kGlyphSpacing[glyph].left) * scale;
            glBindTexture(GL_TEXTURE_2D, glyphTextures[glyph]);
            glColor3f(colour.red, colour.green, colour.blue);
            glBegin(GL_QUADS);
            glTexCoord2f(0, 1);
            glVertex2f(left, y);
            glTexCoord2f(1, 1);
            glVertex2f(left + size, y);
            glTexCoord2f(1, 0);
            glVertex2f(left + size, y + size);
            glTexCoord2f(0, 0);
            glVertex2f(left, y + size);
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
    for (const char character : text) {
        width += advanceOf(character);
    }
    return static_cast<float>(width) * size / static_cast<float>(Fonts::kGlyphCell);
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
