// The bitmap text, read back as the quads it sends to OpenGL and as pixels.
#include "graphics/TextDrawer.h"
#include "assets/GlyphSpacing.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "tests/support/GlFeedback.h"
#include "tests/support/GlWindow.h"

namespace {

// The left edge of every glyph quad drawn for `text`, in drawing order.
std::vector<float> glyphLefts(TextDrawer& drawer, const std::string& text, float x, float y,
                              float size) {
    std::vector<float> lefts;
    for (const FeedbackPolygon& polygon :
         capturePolygons([&] { drawer.drawText(text, x, y, size); })) {
        lefts.push_back(boundingBox({polygon}).left);
    }
    // A quad may arrive as two triangles sharing its left edge.
    std::vector<float> unique;
    for (float left : lefts) {
        if (unique.empty() || unique.back() != left) {
            unique.push_back(left);
        }
    }
    return unique;
}

// Columns, from the left, where a line drawn on grey at (0, 0) shows white
// (the glyphs' fill) and where it shows anything at all (outlines too).
struct Columns {
    std::vector<std::pair<int, int>> whiteRuns;
    int inkLeft = -1;
    int inkRight = -1;
};

Columns drawnOnGrey(GlWindow& window, TextDrawer& drawer, const std::string& text, float x,
                    float size) {
    constexpr int kWidth = 1024;
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    window.clear();
    drawer.drawText(text, x, 0, size);
    const std::vector<unsigned char> pixels = window.readPixels();
    Columns columns;
    for (int column = 0; column < kWidth; ++column) {
        bool white = false;
        bool ink = false;
        for (int row = 0; row < static_cast<int>(size); ++row) {
            const unsigned char value = pixels[(static_cast<size_t>(row) * kWidth + column) * 4];
            white = white || value > 240;
            ink = ink || value < 120 || value > 136;
        }
        if (ink) {
            columns.inkLeft = columns.inkLeft < 0 ? column : columns.inkLeft;
            columns.inkRight = column;
        }
        if (white && !columns.whiteRuns.empty() && columns.whiteRuns.back().second == column - 1) {
            columns.whiteRuns.back().second = column;
        } else if (white) {
            columns.whiteRuns.emplace_back(column, column);
        }
    }
    return columns;
}

TEST(TextDrawer, NeighboursStandEvenlyApartWhateverTheirWidths) {
    GlWindow window(1024, 768);
    TextDrawer drawer;
    // At 64 pixels a glyph's white lies one outline (4 pixels) inside its
    // ink, and neighbours' inks overlap by 2: their white stands 6 apart (8
    // between the fully white columns), a narrow 1 or i as much as a wide m
    // or w. A blank adds 20.
    const Columns word = drawnOnGrey(window, drawer, "mi1w32", 100, 64);
    ASSERT_EQ(word.whiteRuns.size(), 6u);
    for (size_t i = 1; i < word.whiteRuns.size(); ++i) {
        EXPECT_NEAR(word.whiteRuns[i].first - word.whiteRuns[i - 1].second - 1, 8, 1) << i;
    }
    const Columns spaced = drawnOnGrey(window, drawer, "a b", 100, 64);
    ASSERT_EQ(spaced.whiteRuns.size(), 2u);
    EXPECT_NEAR(spaced.whiteRuns[1].first - spaced.whiteRuns[0].second - 1, 28, 1);

    // The ink keeps 3 / 64 of the size inside both ends of the line's
    // width, so a line can be centred by its width.
    for (const char* text : {"score -24", "-space to quit-", "1"}) {
        const Columns line = drawnOnGrey(window, drawer, text, 100, 64);
        EXPECT_NEAR(line.inkLeft, 103, 1) << text;
        EXPECT_NEAR(line.inkRight + 1, 100 + drawer.textWidth(text, 64) - 3, 1) << text;
    }
    EXPECT_EQ(drawer.textWidth("", 64), 0.0f);
    EXPECT_FLOAT_EQ(drawer.textWidth("score -24", 21), drawer.textWidth("score -24", 64) * 21 / 64);
}

TEST(TextDrawer, CharactersWithoutGlyphsAreBlanks) {
    GlWindow window(1024, 768);
    TextDrawer drawer;
    EXPECT_TRUE(glyphLefts(drawer, "", 0, 0, 30).empty());
    // A capital letter has no glyph: it takes a blank's place and the rest of
    // the word follows.
    EXPECT_EQ(glyphLefts(drawer, "Score", 0, 100, 10), glyphLefts(drawer, " core", 0, 100, 10));
    EXPECT_EQ(glyphLefts(drawer, "Score", 0, 100, 10).size(), 4u);
    // A line feed is a blank on the same line, and so is every other
    // character outside the font, bytes above 127 included.
    EXPECT_EQ(glyphLefts(drawer, "a\nb#\xe9!", 0, 100, 10),
              glyphLefts(drawer, "a b  !", 0, 100, 10));
    EXPECT_EQ(drawer.textWidth("a\nb#\xe9!", 10), drawer.textWidth("a b  !", 10));
    EXPECT_EQ(glyphLefts(drawer, "-.,", 5, 100, 10).size(), 3u);
}

TEST(TextDrawer, EveryCharacterMapsToItsGlyph) {
    for (char digit = '0'; digit <= '9'; ++digit) {
        EXPECT_EQ(TextDrawer::glyphIndex(digit), digit - '0');
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        EXPECT_EQ(TextDrawer::glyphIndex(letter), 10 + letter - 'a');
    }
    EXPECT_EQ(TextDrawer::glyphIndex('.'), 36);
    EXPECT_EQ(TextDrawer::glyphIndex(','), 37);
    EXPECT_EQ(TextDrawer::glyphIndex('!'), 38);
    EXPECT_EQ(TextDrawer::glyphIndex('-'), 39);
    for (char other : {' ', 'A', 'Z', '\n', '\0', static_cast<char>(200)}) {
        EXPECT_EQ(TextDrawer::glyphIndex(other), -1) << static_cast<int>(other);
    }
}

TEST(TextDrawer, TextIsWhiteOpaqueAndLeavesNoTextureBound) {
    GlWindow window(1024, 768);
    TextDrawer drawer;
    glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
    const std::vector<FeedbackPolygon> quads =
        capturePolygons([&] { drawer.drawText("ok", 0, 0, 40); });
    // Placed as drawn: the two glyphs of the line, and no other.
    for (int glyph = 0; glyph < TextDrawer::kGlyphCount; ++glyph) {
        const bool drawn =
            glyph == TextDrawer::glyphIndex('o') || glyph == TextDrawer::glyphIndex('k');
        EXPECT_EQ(drawer.holds(glyph), drawn) << "glyph " << glyph;
    }
    ASSERT_FALSE(quads.empty());
    EXPECT_EQ(quads[0][0].red, 1.0f);
    EXPECT_EQ(quads[0][0].alpha, 1.0f);

    drawer.colour = ThreeFloats{1.0f, 0.5f, 0.0f};
    drawer.drawText("x", 0, 0, 40);
    std::array<GLfloat, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<GLfloat, 4>{1.0f, 0.5f, 0.0f, 1.0f}));
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

TEST(TextDrawer, AGlyphDrawsWhiteInkInsideItsCell) {
    GlWindow window(1024, 768);
    TextDrawer drawer;
    // On black, a white glyph brightens some pixels of its cell and none outside.
    glClearColor(0, 0, 0, 1);
    window.clear();
    drawer.drawText("w", 100, 100, 64);
    const std::vector<unsigned char> pixels = window.readPixels();
    int inside = 0;
    int outside = 0;
    for (int y = 90; y < 174; ++y) {
        for (int x = 90; x < 174; ++x) {
            const bool bright = pixels[(static_cast<size_t>(y) * 1024 + x) * 4] > 128;
            const bool inCell = x >= 100 && x < 164 && y >= 100 && y < 164;
            (inCell ? inside : outside) += bright ? 1 : 0;
        }
    }
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
}

TEST(TextDrawer, EveryGlyphKeepsItsPlaceAndTheAtlasGoesWithItsDrawer) {
    GlWindow window(320, 240);
    GLuint name = 0;
    {
        TextDrawer drawer;
        glClearColor(0, 0, 0, 1);
        window.clear();
        drawer.drawText("a\u00e9", 0, 0, 10);
        const std::vector<unsigned char> before = window.readPixels();
        // Lettering every other glyph of the font leaves the first line
        // looking exactly as it did.
        std::u32string every;
        for (const GlyphSpacing& glyph : Fonts::kGlyphSpacing) {
            every += glyph.characters[0];
        }
        std::string all;
        for (const char32_t character : every) {
            all += character < 0x80 ? std::string(1, static_cast<char>(character)) : "";
        }
        drawer.drawText(all + "\u00c4\u00df\u0141\u00d1\u00bf\u00a1\u2026", 0, 100, 10);
        EXPECT_TRUE(drawer.holds(TextDrawer::glyphIndex(U'\u2026')));
        window.clear();
        drawer.drawText("a\u00e9", 0, 0, 10);
        EXPECT_EQ(window.readPixels(), before);
        name = drawer.atlas;
        EXPECT_TRUE(glIsTexture(name));
    }
    EXPECT_FALSE(glIsTexture(name)) << "the atlas outlived its drawer";
}

TEST(TextDrawer, UnknownIndicesReadTheFirstGlyph) {
    auto size = [](SDL_RWops* stream) {
        const int bytes = SDL_RWseek(stream, 0, RW_SEEK_END);
        SDL_RWclose(stream);
        return bytes;
    };
    EXPECT_EQ(size(TextDrawer::getRW(-1)), size(TextDrawer::getRW(0)));
    EXPECT_EQ(size(TextDrawer::getRW(TextDrawer::kGlyphCount)), size(TextDrawer::getRW(0)));
}

}  // namespace
