#include "check/RuleCheck.h"

#include <gtest/gtest.h>

#include <png.h>

namespace {

RgbaImage blankWithDotAt(int size, int column, int row, std::uint8_t alpha) {
    RgbaImage image(size, size);
    image.set(column, row, Rgba{255, 255, 255, alpha});
    return image;
}

PictureRule boxRule(const PixelBox& box) {
    PictureRule rule;
    rule.name = "dot";
    rule.width = rule.height = 16;
    rule.inside = box;
    return rule;
}

TEST(RuleCheck, PixelOutsideTheStatedBoxFailsInsidePasses) {
    const PictureRule rule = boxRule(PixelBox{4, 4, 11, 11});
    CheckReport inside;
    rule_check::checkRule(blankWithDotAt(16, 11, 4, 1), rule, "dot", inside);
    EXPECT_TRUE(inside.passed());

    // Even the faintest pixel counts as visible.
    CheckReport outside;
    rule_check::checkRule(blankWithDotAt(16, 12, 4, 1), rule, "dot", outside);
    EXPECT_FALSE(outside.passed());
}

TEST(RuleCheck, SpanningMeansReachingEveryEdgeWithinTheSlack) {
    PictureRule rule = boxRule(PixelBox{4, 4, 11, 11});
    rule.spansBox = true;
    rule.spanSlack = 1;
    RgbaImage image(16, 16);
    image.set(5, 4, Rgba{0, 0, 0, 255});
    image.set(11, 10, Rgba{0, 0, 0, 255});
    CheckReport close;
    rule_check::checkRule(image, rule, "dot", close);
    EXPECT_TRUE(close.passed());

    RgbaImage short_(16, 16);
    short_.set(6, 4, Rgba{0, 0, 0, 255});
    short_.set(11, 11, Rgba{0, 0, 0, 255});
    CheckReport shortOnTheLeft;
    rule_check::checkRule(short_, rule, "dot", shortOnTheLeft);
    EXPECT_FALSE(shortOnTheLeft.passed());

    // Marks whose width is free only need the rows.
    rule.spansRowsOnly = true;
    CheckReport rowsOnly;
    rule_check::checkRule(short_, rule, "dot", rowsOnly);
    EXPECT_TRUE(rowsOnly.passed());
}

TEST(RuleCheck, OpacityLimitSizeAndOpaqueness) {
    PictureRule rule;
    rule.name = "soft";
    rule.width = rule.height = 16;
    rule.maxAlpha = 112;
    CheckReport atLimit;
    rule_check::checkRule(blankWithDotAt(16, 3, 3, 112), rule, "soft", atLimit);
    EXPECT_TRUE(atLimit.passed());
    CheckReport above;
    rule_check::checkRule(blankWithDotAt(16, 3, 3, 113), rule, "soft", above);
    EXPECT_FALSE(above.passed());

    CheckReport wrongSize;
    rule_check::checkRule(RgbaImage(16, 15), rule, "soft", wrongSize);
    EXPECT_FALSE(wrongSize.passed());

    rule.maxAlpha = 255;
    rule.opaque = true;
    CheckReport holed;
    rule_check::checkRule(blankWithDotAt(16, 3, 3, 255), rule, "soft", holed);
    EXPECT_FALSE(holed.passed());
}

TEST(RuleCheck, StretchedPicturesMustNotChangeDownAColumn) {
    PictureRule rule;
    rule.name = "band";
    rule.width = rule.height = 8;
    rule.constantColumns = true;
    RgbaImage band(8, 8);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            band.set(column, row, Rgba{0, static_cast<std::uint8_t>(column * 30), 0, 80});
        }
    }
    CheckReport constant;
    rule_check::checkRule(band, rule, "band", constant);
    EXPECT_TRUE(constant.passed());

    band.set(5, 6, Rgba{0, 150, 0, 81});
    CheckReport feature;
    rule_check::checkRule(band, rule, "band", feature);
    EXPECT_FALSE(feature.passed());
}

TEST(RuleCheck, FormatMustBeEightBitRgbaNotInterlacedWithoutChunks) {
    PngFile::Header good;
    good.bitDepth = 8;
    good.colourType = PNG_COLOR_TYPE_RGBA;
    good.interlace = PNG_INTERLACE_NONE;
    CheckReport fine;
    rule_check::checkFormat(good, "f", fine);
    EXPECT_TRUE(fine.passed());

    for (int variant = 0; variant < 4; ++variant) {
        PngFile::Header bad = good;
        if (variant == 0) {
            bad.colourType = PNG_COLOR_TYPE_RGB;
        }
        if (variant == 1) {
            bad.bitDepth = 16;
        }
        if (variant == 2) {
            bad.interlace = PNG_INTERLACE_ADAM7;
        }
        if (variant == 3) {
            bad.hasTimeOrText = true;
        }
        CheckReport report;
        rule_check::checkFormat(bad, "f", report);
        EXPECT_FALSE(report.passed()) << "variant " << variant;
    }
}

}  // namespace
