// Where and how ImageDrawer puts an image on the window, read back from OpenGL.
#include "graphics/ImageDrawer.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "tests/support/GlFeedback.h"
#include "tests/support/GlWindow.h"

namespace {

constexpr float kExact = 1e-3f;

// Where the edges of the whole image land in window pixels. Only the visible
// part of an image is drawn, so they are found from the texture coordinates
// that the drawn vertices carry, which follow the position linearly.
struct ImageFrame {
    float leftEdgeX, rightEdgeX, topEdgeY, bottomEdgeY;
};

ImageFrame imageFrame(ImageDrawer::ImageType type, const std::vector<FeedbackPolygon>& polygons) {
    const float* texture = ImageDrawer::getInstance()->textureBoxes[type];
    std::vector<FeedbackVertex> vertices;
    for (const FeedbackPolygon& polygon : polygons) {
        vertices.insert(vertices.end(), polygon.begin(), polygon.end());
    }
    EXPECT_FALSE(vertices.empty());
    FeedbackVertex first = vertices.empty() ? FeedbackVertex{} : vertices.front();
    FeedbackVertex acrossS = first;
    FeedbackVertex acrossT = first;
    for (const FeedbackVertex& vertex : vertices) {
        if (std::fabs(vertex.s - first.s) > std::fabs(acrossS.s - first.s)) {
            acrossS = vertex;
        }
        if (std::fabs(vertex.t - first.t) > std::fabs(acrossT.t - first.t)) {
            acrossT = vertex;
        }
    }
    auto xAt = [&](float s) {
        return first.x + (acrossS.x - first.x) * (s - first.s) / (acrossS.s - first.s);
    };
    auto yAt = [&](float t) {
        return first.y + (acrossT.y - first.y) * (t - first.t) / (acrossT.t - first.t);
    };
    return {xAt(texture[0]), xAt(texture[2]), yAt(texture[1]), yAt(texture[3])};
}

FeedbackBox drawnBox(ImageDrawer::ImageType type, float x, float y, float scaleX, float scaleY) {
    const ImageFrame frame = imageFrame(type, capturePolygons([&] {
                                            ImageDrawer::getInstance()->drawImage(
                                                type, x, y, scaleX, scaleY, 1, 1, 1, 1);
                                        }));
    return {
        std::min(frame.leftEdgeX, frame.rightEdgeX), std::min(frame.topEdgeY, frame.bottomEdgeY),
        std::max(frame.leftEdgeX, frame.rightEdgeX), std::max(frame.topEdgeY, frame.bottomEdgeY)};
}

void expectBox(const FeedbackBox& box, float left, float right, float bottom, float top) {
    EXPECT_NEAR(box.left, left, kExact);
    EXPECT_NEAR(box.right, right, kExact);
    EXPECT_NEAR(box.bottom, bottom, kExact);
    EXPECT_NEAR(box.top, top, kExact);
}

// Pixels that are not the white of a cleared frame, as a box in window pixels.
struct PixelBox {
    int left = 1 << 30, bottom = 1 << 30, right = -1, top = -1;
};

PixelBox inkBox(const GlWindow& window) {
    const std::vector<unsigned char> pixels = window.readPixels();
    PixelBox box;
    for (int y = 0; y < window.application.height; ++y) {
        for (int x = 0; x < window.application.width; ++x) {
            const unsigned char* p =
                &pixels[(static_cast<size_t>(y) * window.application.width + x) * 4];
            if (p[0] < 250 || p[1] < 250 || p[2] < 250) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.bottom = std::min(box.bottom, y);
                box.top = std::max(box.top, y);
            }
        }
    }
    return box;
}

TEST(ImageDrawer, AnImageTakesItsDecodedSizeAndAWindowOf800By600ScalesItByTheWidth) {
    GlWindow window(800, 600);
    ImageDrawer* drawer = ImageDrawer::getInstance();
    EXPECT_EQ(drawer->screenWidth, 800.0f);
    EXPECT_EQ(drawer->screenHeight, 600.0f);
    EXPECT_EQ(drawer->imageSizes[ImageDrawer::ImageGuy][0], 64.0f);
    EXPECT_EQ(drawer->imageSizes[ImageDrawer::ImageBarButtonUp][0], 512.0f);
    EXPECT_EQ(drawer->imageSizes[ImageDrawer::ImageBarButtonUp][1], 128.0f);
    EXPECT_EQ(drawer->imageSizes[ImageDrawer::ImageBullet][1], 32.0f);
    for (int type = 0; type < ImageDrawer::kImageCount; ++type) {
        EXPECT_NE(drawer->textures[type], 0u) << "image " << type << " has no texture";
    }

    // s = sy = 0.78125: (100, 200) at scale 1 covers 78.125..128.125 across
    // and 156.25..206.25 up.
    expectBox(drawnBox(ImageDrawer::ImageGuy, 100, 200, 1, 1), 78.125f, 128.125f, 156.25f, 206.25f);
}

TEST(ImageDrawer, AWideWindowKeepsTheAspectAndPlacesYByTheHeight) {
    GlWindow window(1280, 720);
    // The game puts a 4:3 picture between bars; the drawer serves a screen of
    // any shape, here the whole window.
    ImageDrawer::getInstance()->setScreenDimensions(1280, 720);
    glViewport(0, 0, 1280, 720);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1280, 0, 720, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    // s = 1.25, sy = 0.9375: a 64 x 64 image becomes 80 x 80 pixels.
    expectBox(drawnBox(ImageDrawer::ImageBrick, 100, 200, 1, 1), 125.0f, 205.0f, 187.5f, 267.5f);
    // Heights follow the height ratio, so logical 768 is the top edge, 720:
    // logical 736 lies 30 pixels below it.
    const FeedbackBox top = drawnBox(ImageDrawer::ImageBrick, 500, 768 - 32, 1, 1);
    EXPECT_NEAR(top.bottom, 720.0f - 30.0f, kExact);
}

TEST(ImageDrawer, ScalingActsAboutTheNaturalCentreAndMirrors) {
    GlWindow window(1024, 768);
    // Natural size at (300, 300) spans 300..364; twice the size keeps the
    // centre at 332.
    expectBox(drawnBox(ImageDrawer::ImageGuy, 300, 300, 2, 0.5f), 268.0f, 396.0f, 316.0f, 348.0f);

    // A mirrored image covers the same place, with the texture's left edge on
    // the right.
    const std::vector<FeedbackPolygon> mirrored = capturePolygons([] {
        ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageBullet, 400, 400, -1, 1, 1, 1, 1,
                                              1);
    });
    const ImageFrame frame = imageFrame(ImageDrawer::ImageBullet, mirrored);
    EXPECT_NEAR(frame.leftEdgeX, 432.0f, kExact);
    EXPECT_NEAR(frame.rightEdgeX, 400.0f, kExact);
    EXPECT_NEAR(frame.topEdgeY, 432.0f, kExact) << "top row of the PNG on top";
    EXPECT_NEAR(frame.bottomEdgeY, 400.0f, kExact);
    const FeedbackBox drawn = boundingBox(mirrored);
    EXPECT_GE(drawn.left, 400.0f - kExact);
    EXPECT_LE(drawn.right, 432.0f + kExact);
}

TEST(ImageDrawer, TheMirroredBulletFliesHeadFirstToTheRight) {
    GlWindow window(1024, 768);
    // The bullet's head (its most opaque end) is on the left of the image;
    // mirrored, the ink must weigh more on the right half.
    auto inkBalance = [&](float scaleX) {
        window.clear();
        ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageBullet, 400, 400, scaleX * 8, 8, 0,
                                              0, 0, 1);
        const std::vector<unsigned char> pixels = window.readPixels();
        // At scale 8 the image spans 400 - 112 .. 432 + 112 across.
        double left = 0;
        double right = 0;
        for (int y = 288; y < 544; ++y) {
            for (int x = 288; x < 544; ++x) {
                const double ink = 255 - pixels[(static_cast<size_t>(y) * 1024 + x) * 4];
                (x < 416 ? left : right) += ink;
            }
        }
        return right - left;
    };
    EXPECT_LT(inkBalance(1), 0) << "unmirrored, the head is on the left";
    EXPECT_GT(inkBalance(-1), 0) << "mirrored, the head is on the right";
}

TEST(ImageDrawer, TheFigureShowsWithinItsFrameAndScaleZeroShowsNothing) {
    GlWindow window(1024, 768);
    window.clear();
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageGuy, 100, 100, 1, 1, 1, 1, 1, 1);
    const PixelBox figure = inkBox(window);
    // Columns 13..50 and rows 5..62 of the 64 x 64 picture (rows from the top).
    EXPECT_GE(figure.left, 100 + 13 - 1);
    EXPECT_LE(figure.right, 100 + 50 + 1);
    EXPECT_GE(figure.bottom, 100 + 63 - 62 - 1);
    EXPECT_LE(figure.top, 100 + 63 - 5 + 1);
    EXPECT_GT(figure.right - figure.left, 20) << "the figure should fill most of its frame";

    window.clear();
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageGuy, 100, 100, 0, 0, 1, 1, 1, 1);
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageBackground, 0, 0, 0, 1, 1, 1, 1, 1);
    EXPECT_EQ(inkBox(window).right, -1) << "scale 0 must leave the frame white";
}

TEST(ImageDrawer, TintAndFadeMultiplyTheTexture) {
    GlWindow window(1024, 768);
    window.clear();
    // The background is opaque; tinted pure red it keeps no green or blue, and
    // faded to nothing it leaves the white frame.
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageBackground, 0, 0, 1, 1, 1, 0, 0, 1);
    const std::vector<unsigned char> red = window.pixel(512, 384);
    EXPECT_EQ(red[1], 0);
    EXPECT_EQ(red[2], 0);
    window.clear();
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageBackground, 0, 0, 1, 1, 1, 1, 1, 0);
    EXPECT_EQ(window.pixel(512, 384), (std::vector<unsigned char>{255, 255, 255, 255}));
}

TEST(ImageDrawer, EveryDrawLeavesWhiteNoTextureAndTheMatrixAsItWas) {
    GlWindow window(800, 600);
    glTranslatef(3, 5, 0);
    glScalef(2, 2, 1);
    std::array<GLfloat, 16> before{};
    glGetFloatv(GL_MODELVIEW_MATRIX, before.data());
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageShotBang, 10, 20, 0.5f, -2, 0.2f, 0.3f,
                                          0.4f, 0.5f);
    std::array<GLfloat, 16> after{};
    glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_EQ(before, after);
    std::array<GLfloat, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<GLfloat, 4>{1, 1, 1, 1}));
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

TEST(ImageDrawer, UntilTheWindowSizeIsSetDrawingAssumes1024By768) {
    GlWindow window(800, 600);
    ImageDrawer* drawer = ImageDrawer::getInstance();
    drawer->setScreenDimensions(1024, 768);
    expectBox(drawnBox(ImageDrawer::ImageGuy, 100, 200, 1, 1), 100.0f, 164.0f, 200.0f, 264.0f);
}

TEST(ImageDrawer, UnknownTypesReadTheFiguresData) {
    SDL_RWops* unknown = ImageDrawer::getRW(static_cast<ImageDrawer::ImageType>(99));
    SDL_RWops* guy = ImageDrawer::getRW(ImageDrawer::ImageGuy);
    ASSERT_NE(unknown, nullptr);
    const int size = SDL_RWseek(guy, 0, RW_SEEK_END);
    EXPECT_EQ(SDL_RWseek(unknown, 0, RW_SEEK_END), size);
    std::vector<unsigned char> a(size), b(size);
    SDL_RWseek(guy, 0, RW_SEEK_SET);
    SDL_RWseek(unknown, 0, RW_SEEK_SET);
    SDL_RWread(guy, a.data(), 1, size);
    SDL_RWread(unknown, b.data(), 1, size);
    EXPECT_EQ(a, b);
    SDL_RWclose(unknown);
    SDL_RWclose(guy);
}

}  // namespace
