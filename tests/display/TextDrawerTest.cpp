// The fixed-width bitmap text, read back as the quads it sends to OpenGL.
#include "graphics/TextDrawer.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
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

TEST(TextDrawer, ScoreLineHasSevenGlyphsAndOneBlankCell) {
    GlWindow window(1024, 768);
    TextDrawer drawer;
    // "score 12" at size 21: s c o r e, a blank cell, then 1 at x + 126 and 2.
    EXPECT_EQ(glyphLefts(drawer, "score 12", 10, 700, 21),
              (std::vector<float>{10, 31, 52, 73, 94, 136, 157}));
    const FeedbackBox box =
        boundingBox(capturePolygons([&] { drawer.drawText("score 12", 10, 700, 21); }));
    EXPECT_EQ(box.right, 10 + 8 * 21);
    EXPECT_EQ(box.bottom, 700);
    EXPECT_EQ(box.top, 721);
}

TEST(TextDrawer, CharactersWithoutGlyphsAreBlankCells) {
    GlWindow window(1024, 768);
    TextDrawer drawer;
    EXPECT_TRUE(glyphLefts(drawer, "", 0, 0, 30).empty());
    // A capital letter has no glyph: its cell stays empty.
    EXPECT_EQ(glyphLefts(drawer, "Score", 0, 100, 10), (std::vector<float>{10, 20, 30, 40}));
    // A line feed is one blank cell on the same line, and so is every other
    // character outside the font, bytes above 127 included.
    EXPECT_EQ(glyphLefts(drawer, "a\nb?\xe9!", 0, 100, 10), (std::vector<float>{0, 20, 50}));
    EXPECT_EQ(glyphLefts(drawer, "-.,", 5, 100, 10), (std::vector<float>{5, 15, 25}));
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
    for (char other : {' ', 'A', 'Z', '?', '\n', '\0', static_cast<char>(200)}) {
        EXPECT_EQ(TextDrawer::glyphIndex(other), -1) << static_cast<int>(other);
    }
}

TEST(TextDrawer, TextIsWhiteOpaqueAndLeavesNoTextureBound) {
    GlWindow window(1024, 768);
    TextDrawer drawer;
    for (int glyph = 0; glyph < TextDrawer::kGlyphCount; ++glyph) {
        EXPECT_NE(drawer.glyphTextures[glyph], 0u) << "glyph " << glyph;
    }
    glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
    const std::vector<FeedbackPolygon> quads =
        capturePolygons([&] { drawer.drawText("ok", 0, 0, 40); });
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

TEST(TextDrawer, GlyphTexturesGoWithTheirDrawer) {
    GlWindow window(320, 240);
    std::vector<GLuint> names;
    {
        TextDrawer drawer;
        names.assign(drawer.glyphTextures, drawer.glyphTextures + TextDrawer::kGlyphCount);
        for (GLuint name : names) {
            EXPECT_TRUE(glIsTexture(name));
        }
    }
    for (GLuint name : names) {
        EXPECT_FALSE(glIsTexture(name)) << "texture " << name << " outlived its drawer";
    }
}

TEST(TextDrawer, UnknownIndicesReadTheFirstGlyph) {
    auto size = [](SDL_RWops* stream) {
        const int bytes = SDL_RWseek(stream, 0, RW_SEEK_END);
        SDL_RWclose(stream);
        return bytes;
    };
    EXPECT_EQ(size(TextDrawer::getRW(-1)), size(TextDrawer::getRW(0)));
    EXPECT_EQ(size(TextDrawer::getRW(40)), size(TextDrawer::getRW(0)));
    EXPECT_EQ(size(TextDrawer::getRW(39)), size(TextDrawer::getRW(39)));
}

}  // namespace
