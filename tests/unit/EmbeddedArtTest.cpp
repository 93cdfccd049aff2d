// The pictures compiled into the game: each decodes to its size as RGBA and
// keeps to the extents and opacity limits that hit boxes and placements rely on.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "assets/GlyphSpacing.h"
#include "graphics/ImageDrawer.h"
#include "graphics/TextDrawer.h"

namespace {

using Image = ImageDrawer::ImageType;

struct Picture {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    std::basic_string<unsigned char> rgba;

    const unsigned char* at(int column, int row) const {
        return &rgba[(static_cast<size_t>(row) * width + column) * 4];
    }
    int alpha(int column, int row) const { return at(column, row)[3]; }
};

Picture decode(SDL_RWops* stream) {
    Picture picture;
    SDL_Surface* surface = IMG_Load_RW(stream, 1);
    if (surface == nullptr) {
        return picture;
    }
    picture.width = surface->w;
    picture.height = surface->h;
    picture.bytesPerPixel = surface->format->BytesPerPixel;
    if (picture.bytesPerPixel == 4) {
        const unsigned char* bytes = static_cast<const unsigned char*>(surface->pixels);
        for (int row = 0; row < surface->h; ++row) {
            picture.rgba.append(bytes + row * surface->pitch, surface->w * 4);
        }
    }
    SDL_FreeSurface(surface);
    return picture;
}

Picture image(Image type) {
    return decode(ImageDrawer::getRW(type));
}

// Box of the pixels with any opacity; rows count from the top of the PNG.
struct Extent {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    int maxAlpha = 0;
};

Extent extentOf(const Picture& picture) {
    Extent extent;
    for (int row = 0; row < picture.height; ++row) {
        for (int column = 0; column < picture.width; ++column) {
            const int alpha = picture.alpha(column, row);
            extent.maxAlpha = std::max(extent.maxAlpha, alpha);
            if (alpha > 0) {
                extent.left = std::min(extent.left, column);
                extent.right = std::max(extent.right, column);
                extent.top = std::min(extent.top, row);
                extent.bottom = std::max(extent.bottom, row);
            }
        }
    }
    return extent;
}

// The visible part lies inside the stated box and reaches near each side of
// it (within `slack` pixels), so that it fills the frame the game assumes.
void expectSpans(Image type, int left, int right, int top, int bottom, int slack) {
    const Extent extent = extentOf(image(type));
    SCOPED_TRACE("image " + std::to_string(type));
    EXPECT_GE(extent.left, left);
    EXPECT_LE(extent.right, right);
    EXPECT_GE(extent.top, top);
    EXPECT_LE(extent.bottom, bottom);
    EXPECT_LE(extent.left - left, slack);
    EXPECT_LE(right - extent.right, slack);
    EXPECT_LE(extent.top - top, slack);
    EXPECT_LE(bottom - extent.bottom, slack);
}

TEST(EmbeddedArt, EveryImageDecodesToItsSizeAsRgba) {
    const int sizes[ImageDrawer::kImageCount][2] = {
        {1024, 1024}, {64, 64},   {64, 64},  {64, 64},     {32, 32},   {64, 64},   {64, 64},
        {256, 256},   {128, 128}, {64, 64},  {1024, 1024}, {64, 64},   {64, 64},   {64, 64},
        {64, 64},     {64, 64},   {64, 64},  {64, 64},     {512, 128}, {512, 128}, {512, 128},
        {128, 128},   {192, 64},  {192, 64}, {192, 64},    {188, 80},  {364, 120}, {216, 80},
        {402, 80},    {64, 64},   {64, 64},  {1024, 1024}};
    for (int type = 0; type < ImageDrawer::kImageCount; ++type) {
        const Picture picture = image(static_cast<Image>(type));
        EXPECT_EQ(picture.width, sizes[type][0]) << "image " << type;
        EXPECT_EQ(picture.height, sizes[type][1]) << "image " << type;
        EXPECT_EQ(picture.bytesPerPixel, 4) << "image " << type;
    }
}

TEST(EmbeddedArt, FiguresBrickBulletPointerAndStartBarFillTheirStatedBoxes) {
    expectSpans(ImageDrawer::ImageGuy, 13, 50, 5, 62, 2);
    expectSpans(ImageDrawer::ImageFighter, 13, 50, 5, 62, 2);
    expectSpans(ImageDrawer::ImageBrick, 12, 51, 1, 62, 1);
    expectSpans(ImageDrawer::ImageBullet, 0, 30, 8, 25, 2);
    expectSpans(ImageDrawer::ImageMouse, 9, 54, 7, 55, 2);
    for (Image bar : {ImageDrawer::ImageBarButtonUp, ImageDrawer::ImageBarButtonDown,
                      ImageDrawer::ImageBarButtonOver}) {
        expectSpans(bar, 90, 421, 20, 107, 2);
    }
    // The sidebands of the field: only columns 24..103.
    const Extent mounds = extentOf(image(ImageDrawer::ImageSideMounds));
    EXPECT_GE(mounds.left, 24);
    EXPECT_LE(mounds.right, 103);
}

TEST(EmbeddedArt, ThePointersTipIsItsUpperLeftCorner) {
    const Picture mouse = image(ImageDrawer::ImageMouse);
    // The first opaque pixel in reading order is the tip.
    for (int row = 0; row < mouse.height; ++row) {
        for (int column = 0; column < mouse.width; ++column) {
            if (mouse.alpha(column, row) > 128) {
                EXPECT_NEAR(column, 10, 2);
                EXPECT_NEAR(row, 8, 2);
                return;
            }
        }
    }
    FAIL() << "the pointer is empty";
}

TEST(EmbeddedArt, TranslucentImagesKeepToTheirOpacityLimits) {
    const Extent ring = extentOf(image(ImageDrawer::ImageAlertCircle));
    EXPECT_LE(ring.maxAlpha, 224);
    EXPECT_GT(ring.maxAlpha, 40) << "the ring must still show";
    EXPECT_GE(ring.left, 8);
    EXPECT_GE(ring.top, 8);
    EXPECT_LE(ring.right, 55);
    EXPECT_LE(ring.bottom, 55);
    EXPECT_LE(extentOf(image(ImageDrawer::ImageCentralMound)).maxAlpha, 95);
    EXPECT_LE(extentOf(image(ImageDrawer::ImageSideMounds)).maxAlpha, 95);
    EXPECT_LE(extentOf(image(ImageDrawer::ImageSmokePff)).maxAlpha, 203);

    // The ring is tinted by multiplying, so it must be grey levels: white
    // that takes the tint, edged in black that stays dark.
    const Picture circle = image(ImageDrawer::ImageAlertCircle);
    int white = 0;
    int dark = 0;
    for (int row = 0; row < circle.height; ++row) {
        for (int column = 0; column < circle.width; ++column) {
            if (circle.alpha(column, row) > 0) {
                const auto* p = circle.at(column, row);
                ASSERT_LE(std::abs(p[0] - p[1]) + std::abs(p[1] - p[2]), 2);
                white += p[0] >= 250 ? 1 : 0;
                dark += p[0] <= 40 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(white, 0);
    EXPECT_GT(dark, 0);
}

TEST(EmbeddedArt, TheGrassIsOpaqueEverywhere) {
    for (Image type : {ImageDrawer::ImageBackground, ImageDrawer::ImageTitle}) {
        const Picture picture = image(type);
        int transparent = 0;
        for (int row = 0; row < picture.height; ++row) {
            for (int column = 0; column < picture.width; ++column) {
                transparent += picture.alpha(column, row) == 255 ? 0 : 1;
            }
        }
        EXPECT_EQ(transparent, 0) << "image " << type;
    }
}

TEST(EmbeddedArt, TheFighterIsTheFigureWithTwoRedEyes) {
    const Picture guy = image(ImageDrawer::ImageGuy);
    const Picture fighter = image(ImageDrawer::ImageFighter);
    int differing = 0;
    for (int row = 0; row < guy.height; ++row) {
        for (int column = 0; column < guy.width; ++column) {
            if (std::equal(guy.at(column, row), guy.at(column, row) + 4, fighter.at(column, row))) {
                continue;
            }
            ++differing;
            const unsigned char* eye = fighter.at(column, row);
            EXPECT_GT(eye[0], eye[1]) << "a changed pixel must be red, at " << column << "," << row;
            EXPECT_LT(row, 24) << "eyes belong in the head";
        }
    }
    EXPECT_GT(differing, 2);
    EXPECT_LT(differing, 80);
}

TEST(EmbeddedArt, ButtonStatesShareOneOutlineAndDifferOnlyInFill) {
    const Image sets[3][3] = {{ImageDrawer::ImageLeftButtonUp, ImageDrawer::ImageLeftButtonDown,
                               ImageDrawer::ImageLeftButtonOver},
                              {ImageDrawer::ImageRightButtonUp, ImageDrawer::ImageRightButtonDown,
                               ImageDrawer::ImageRightButtonOver},
                              {ImageDrawer::ImageBarButtonUp, ImageDrawer::ImageBarButtonDown,
                               ImageDrawer::ImageBarButtonOver}};
    for (const auto& set : sets) {
        const Picture up = image(set[0]);
        for (int state = 1; state < 3; ++state) {
            const Picture other = image(set[state]);
            int fillDifferences = 0;
            for (int row = 0; row < up.height; ++row) {
                for (int column = 0; column < up.width; ++column) {
                    const unsigned char* a = up.at(column, row);
                    const unsigned char* b = other.at(column, row);
                    ASSERT_EQ(a[3], b[3]) << "outline differs in image " << set[state];
                    const bool outline = a[0] < 8 && a[1] < 8 && a[2] < 8;
                    if (outline) {
                        // Anti-aliasing may leave a trace of the fill in the outline.
                        for (int channel = 0; channel < 3; ++channel) {
                            EXPECT_NEAR(a[channel], b[channel], 8) << "image " << set[state];
                        }
                    } else if (!std::equal(a, a + 4, b)) {
                        ++fillDifferences;
                    }
                }
            }
            EXPECT_GT(fillDifferences, 100) << "the fills must differ, image " << set[state];
        }
    }
}

TEST(EmbeddedArt, GlyphsAreRgbaCellsWithWhiteLettersInsideTheirMargins) {
    for (int glyph = 0; glyph < TextDrawer::kGlyphCount; ++glyph) {
        const Picture picture = decode(TextDrawer::getRW(glyph));
        ASSERT_EQ(picture.width, Fonts::kGlyphCellWidth);
        ASSERT_EQ(picture.height, Fonts::kGlyphCellHeight);
        ASSERT_EQ(picture.bytesPerPixel, 4);
        const Extent extent = extentOf(picture);
        SCOPED_TRACE("glyph " + std::to_string(glyph));
        // Wide letters (Æ, Œ) may fill the width: the pen moves by their ink.
        EXPECT_GE(extent.top, 1);
        EXPECT_LE(extent.bottom, Fonts::kGlyphCellHeight - 2);
        int white = 0;
        for (int row = 0; row < picture.height; ++row) {
            for (int column = 0; column < picture.width; ++column) {
                const unsigned char* p = picture.at(column, row);
                white += p[3] == 255 && p[0] == 255 && p[1] == 255 && p[2] == 255 ? 1 : 0;
            }
        }
        EXPECT_GE(white, 8) << "the letter itself is white";
    }
    // Rows of the line's square, which the old 64 x 64 cells were.
    auto extent = [](int glyph) {
        Extent onLine = extentOf(decode(TextDrawer::getRW(glyph)));
        onLine.top -= Fonts::kGlyphLineTop;
        onLine.bottom -= Fonts::kGlyphLineTop;
        return onLine;
    };
    // The full stop sits low, the comma lower, the minus across the middle and
    // the exclamation mark is a narrow stroke.
    EXPECT_GE(extent(36).top, 44);
    EXPECT_GE(extent(36).left, 24);
    EXPECT_LE(extent(36).right, 39);
    EXPECT_GE(extent(37).top, 43);
    EXPECT_GE(extent(39).top, 25);
    EXPECT_LE(extent(39).bottom, 38);
    EXPECT_GE(extent(38).left, 23);
    EXPECT_LE(extent(38).right, 40);
    EXPECT_LE(extent(38).top, 6);
    EXPECT_GE(extent(38).bottom, 57);
    // Letters and digits reach over most of the line's height, and an accented
    // capital stands on the line as its letter does, its accent above it.
    for (int glyph = 0; glyph < 36; ++glyph) {
        EXPECT_GE(extent(glyph).bottom - extent(glyph).top, 45) << "glyph " << glyph;
    }
    const int eAcute = TextDrawer::glyphIndex(U'\u00e9');
    ASSERT_GE(eAcute, 0);
    EXPECT_EQ(TextDrawer::glyphIndex(U'\u00c9'), eAcute);
    EXPECT_EQ(extent(eAcute).bottom, extent(TextDrawer::glyphIndex(U'e')).bottom);
    EXPECT_LT(extent(eAcute).top, 0);
}

}  // namespace
