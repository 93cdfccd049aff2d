#include "paint/Canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool near(int actual, int expected, int tolerance) {
    return std::abs(actual - expected) <= tolerance;
}

TEST(Canvas, SnapshotGivesStraightNotPremultipliedColour) {
    Canvas canvas(4, 4);
    // Half-transparent orange: stored premultiplied by cairo, it must come
    // back as the colour that was painted with alpha 128.
    cairo_set_source_rgba(canvas.context(), 200 / 255.0, 100 / 255.0, 50 / 255.0, 0.5);
    cairo_paint(canvas.context());
    const Rgba p = canvas.snapshot().at(2, 2);
    EXPECT_TRUE(near(p.a, 128, 1)) << int(p.a);
    EXPECT_TRUE(near(p.r, 200, 2)) << int(p.r);
    EXPECT_TRUE(near(p.g, 100, 2)) << int(p.g);
    EXPECT_TRUE(near(p.b, 50, 2)) << int(p.b);
}

TEST(Canvas, FullyClearPixelsAreBlackAndClear) {
    Canvas canvas(3, 3);
    EXPECT_EQ(canvas.snapshot().at(1, 1), (Rgba{0, 0, 0, 0}));
}

TEST(Canvas, LoadThenSnapshotKeepsOpaqueAndClearPixels) {
    RgbaImage image(2, 1);
    image.set(0, 0, Rgba{12, 34, 56, 255});
    Canvas canvas(2, 1);
    canvas.load(image);
    const RgbaImage back = canvas.snapshot();
    EXPECT_EQ(back.at(0, 0), (Rgba{12, 34, 56, 255}));
    EXPECT_EQ(back.at(1, 0).a, 0);
}

TEST(Canvas, LoadRefusesAnImageOfAnotherSize) {
    Canvas canvas(2, 2);
    EXPECT_THROW(canvas.load(RgbaImage(3, 2)), std::invalid_argument);
}

TEST(Canvas, DrawImageScalesIntoPlace) {
    RgbaImage dot(1, 1);
    dot.set(0, 0, Rgba{255, 255, 255, 255});
    Canvas canvas(8, 8);
    // A one-pixel image doubled and put at (2, 4) covers pixels 2..3, 4..5.
    canvas.drawImage(dot, 2.0, 4.0, 2.0, 2.0);
    const RgbaImage shot = canvas.snapshot();
    EXPECT_EQ(shot.at(2, 4).a, 255);
    EXPECT_EQ(shot.at(3, 5).a, 255);
    EXPECT_EQ(shot.at(1, 4).a, 0);
    EXPECT_EQ(shot.at(4, 4).a, 0);
    EXPECT_EQ(shot.at(2, 6).a, 0);
}

}  // namespace
