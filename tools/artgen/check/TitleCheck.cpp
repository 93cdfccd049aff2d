#include "check/TitleCheck.h"

#include <vector>

#include "check/PixelStats.h"

namespace title_check {
namespace {

using pixel_stats::describe;
using pixel_stats::isInk;
using pixel_stats::isWhite;

const std::string kFile = "title";

struct Lettered {
    const char* what;
    PixelBox box;
    // How far inside its box the white of the lettering may stop (the
    // outline and a pixel of rounding).
    int slack;
};

// The title and the labels, outline included.
const Lettered kLettered[] = {
    {"title lettering", PixelBox{41, 192, 986, 357}, 6},
    {"LEFT CIVILIANS:", PixelBox{122, 469, 317, 487}, 3},
    {"RIGHT CIVILIANS:", PixelBox{522, 469, 731, 487}, 3},
    {"LEFT FIGHTERS:", PixelBox{122, 539, 322, 556}, 3},
    {"RIGHT FIGHTERS:", PixelBox{522, 539, 735, 556}, 3},
    {"HIGH SCORE:", PixelBox{355, 639, 588, 665}, 3},
};

// The two-digit numbers: cells of 21 units at x 390 / 801, heights 408 / 339;
// the text's ink covers the cells' middle rows.
const PixelBox kNumberCells[] = {
    PixelBox{390, 896 - 408 - 21, 390 + 2 * 21, 896 - 408},
    PixelBox{801, 896 - 408 - 21, 801 + 2 * 21, 896 - 408},
    PixelBox{390, 896 - 339 - 21, 390 + 2 * 21, 896 - 339},
    PixelBox{801, 896 - 339 - 21, 801 + 2 * 21, 896 - 339},
};
// Behind numbers drawn in white, the artwork must be this dark (0..255).
constexpr double kDarkBehindNumbers = 45.0;

// The panel, about columns 106..918 and rows 432..816, and samples of the
// grass beside it and of its inside away from labels and buttons.
constexpr int kPanelLeft = 106;
constexpr int kPanelRight = 918;
constexpr int kPanelTop = 432;
constexpr int kPanelBottom = 816;
constexpr int kOutlineReach = 5;
const PixelBox kGrassBeside{10, 450, 90, 650};
const PixelBox kPanelInside{130, 600, 330, 680};

bool whiteOutsideLettering(const RgbaImage& title) {
    for (int row = 0; row < title.height(); ++row) {
        for (int column = 0; column < title.width(); ++column) {
            if (!isWhite(title.at(column, row))) {
                continue;
            }
            bool allowed = false;
            for (const Lettered& l : kLettered) {
                allowed = allowed || l.box.contains(column, row);
            }
            if (!allowed) {
                return true;
            }
        }
    }
    return false;
}

bool reachesEdges(const PixelBox& white, const PixelBox& box, int slack) {
    return !white.isEmpty() && white.left - box.left <= slack && box.right - white.right <= slack &&
           white.top - box.top <= slack && box.bottom - white.bottom <= slack;
}

// Mean row of the white pixels in a band of columns.
double meanWhiteRow(const RgbaImage& title, const PixelBox& band) {
    double sum = 0.0;
    int count = 0;
    for (int row = band.top; row <= band.bottom; ++row) {
        for (int column = band.left; column <= band.right; ++column) {
            if (isWhite(title.at(column, row))) {
                sum += row;
                ++count;
            }
        }
    }
    return count ? sum / count : 0.0;
}

bool inkWithin(const RgbaImage& title, const PixelBox& area) {
    return !title.boxWhere(area, isInk).isEmpty();
}

}  // namespace

void layout(const RgbaImage& title, CheckReport& report) {
    if (title.width() != 1024 || title.height() != 1024) {
        return;
    }
    report.expect(!whiteOutsideLettering(title), kFile,
                  "has white outside the lettering and labels, where numbers and buttons go");
    for (const Lettered& l : kLettered) {
        const PixelBox white = title.boxWhere(l.box, isWhite);
        report.expect(reachesEdges(white, l.box, l.slack), kFile,
                      std::string(l.what) + ": white lettering covers " + describe(white) +
                          ", not filling " + describe(l.box));
    }

    const PixelBox& words = kLettered[0].box;
    const int fifth = words.width() / 5;
    const double leftRow =
        meanWhiteRow(title, PixelBox{words.left, words.top, words.left + fifth, words.bottom});
    const double rightRow =
        meanWhiteRow(title, PixelBox{words.right - fifth, words.top, words.right, words.bottom});
    report.expect(rightRow < leftRow - 10.0, kFile, "title lettering does not slant upwards");

    for (const PixelBox& cells : kNumberCells) {
        report.expect(pixel_stats::meanOver(title, cells).luminance < kDarkBehindNumbers, kFile,
                      "not dark behind the numbers at " + describe(cells));
    }

    const double grass = pixel_stats::meanOver(title, kGrassBeside).luminance;
    const double inside = pixel_stats::meanOver(title, kPanelInside).luminance;
    report.expect(inside < grass * 0.6, kFile, "panel is not dark against the grass");
    report.expect(inside > 5.0, kFile, "panel is not translucent: no grass shows through");
    const int middleRow = (kPanelTop + kPanelBottom) / 2;
    const int middleColumn = (kPanelLeft + kPanelRight) / 2;
    const bool outlined =
        inkWithin(title, PixelBox{kPanelLeft, middleRow, kPanelLeft + kOutlineReach, middleRow}) &&
        inkWithin(title,
                  PixelBox{kPanelRight - kOutlineReach, middleRow, kPanelRight, middleRow}) &&
        inkWithin(title,
                  PixelBox{middleColumn, kPanelTop, middleColumn, kPanelTop + kOutlineReach}) &&
        inkWithin(title,
                  PixelBox{middleColumn, kPanelBottom - kOutlineReach, middleColumn, kPanelBottom});
    report.expect(outlined, kFile, "panel has no black outline at its stated edges");
}

}  // namespace title_check
