#include "check/RuleCheck.h"

#include <png.h>

#include <cstdlib>

#include "check/PixelStats.h"

namespace rule_check {
namespace {

using pixel_stats::describe;

constexpr int kEightBits = 8;

bool columnsConstant(const RgbaImage& image) {
    for (int column = 0; column < image.width(); ++column) {
        for (int row = 1; row < image.height(); ++row) {
            if (image.at(column, row) != image.at(column, 0)) {
                return false;
            }
        }
    }
    return true;
}

bool clearWithin(const RgbaImage& image, const PixelBox& box) {
    for (int row = box.top; row <= box.bottom; ++row) {
        for (int column = box.left; column <= box.right; ++column) {
            if (image.at(column, row).a != 0) {
                return false;
            }
        }
    }
    return true;
}

bool reaches(int actual, int stated, int slack) {
    return std::abs(actual - stated) <= slack;
}

void checkExtent(const RgbaImage& image, const PictureRule& rule, const std::string& file,
                 CheckReport& report) {
    const PixelBox ink = image.inkBox();
    report.expect(rule.inside->encloses(ink), file,
                  "visible part " + describe(ink) + " leaves " + describe(*rule.inside));
    if (!rule.spansBox) {
        return;
    }
    const PixelBox& box = *rule.inside;
    const int slack = rule.spanSlack;
    bool spans = !ink.isEmpty() && reaches(ink.top, box.top, slack) &&
                 reaches(ink.bottom, box.bottom, slack);
    if (!rule.spansRowsOnly) {
        spans = spans && reaches(ink.left, box.left, slack) && reaches(ink.right, box.right, slack);
    }
    report.expect(spans, file, "visible part " + describe(ink) + " does not span " + describe(box));
}

}  // namespace

void checkFormat(const PngFile::Header& header, const std::string& file, CheckReport& report) {
    report.expect(header.bitDepth == kEightBits && header.colourType == PNG_COLOR_TYPE_RGBA, file,
                  "not 8-bit RGBA (depth " + std::to_string(header.bitDepth) + ", colour type " +
                      std::to_string(header.colourType) + ")");
    report.expect(header.interlace == PNG_INTERLACE_NONE, file, "interlaced");
    report.expect(!header.hasTimeOrText, file, "carries a time stamp or text chunk");
}

void checkRule(const RgbaImage& image, const PictureRule& rule, const std::string& file,
               CheckReport& report) {
    const bool sized = image.width() == rule.width && image.height() == rule.height;
    report.expect(sized, file,
                  "is " + std::to_string(image.width()) + "x" + std::to_string(image.height()) +
                      ", not " + std::to_string(rule.width) + "x" + std::to_string(rule.height));
    if (!sized) {
        return;
    }
    if (rule.inside) {
        checkExtent(image, rule, file, report);
    }
    if (rule.clear) {
        report.expect(clearWithin(image, *rule.clear), file,
                      "is not clear within " + describe(*rule.clear));
    }
    report.expect(image.maxAlpha() <= rule.maxAlpha, file,
                  "alpha reaches " + std::to_string(image.maxAlpha()) + ", above " +
                      std::to_string(rule.maxAlpha));
    if (rule.opaque) {
        report.expect(image.minAlpha() == 255, file, "is not fully opaque");
    }
    if (rule.constantColumns) {
        report.expect(columnsConstant(image), file, "has columns that change from top to bottom");
    }
}

}  // namespace rule_check
