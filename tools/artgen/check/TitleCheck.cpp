#include "check/TitleCheck.h"

#include "check/ContentCheck.h"
#include "check/PixelStats.h"

namespace title_check {
namespace {

using pixel_stats::describe;
using pixel_stats::isInk;
using pixel_stats::isWhite;

const std::string kFile = "title";

// The game's name, outline included, and how far inside its box the white
// of the lettering may stop (the outline and a pixel of rounding).
constexpr PixelBox kNameLettering{41, 192, 986, 357};
constexpr int kNameSlack = 6;

// Where the game letters the labels of the numbers and of the high score
// (LEFT CIVILIANS: and the others, in any language): the boxes the labels
// took when the artwork carried them.
const PixelBox kLabelPlaces[] = {
    PixelBox{122, 469, 317, 487}, PixelBox{522, 469, 731, 487}, PixelBox{122, 539, 322, 556},
    PixelBox{522, 539, 735, 556}, PixelBox{355, 639, 588, 665},
};
// Behind the labels, lettered in white on the panel, the artwork must be
// this dark (0..255).
constexpr double kDarkBehindLabels = 60.0;

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

// The title's panel, outline included, and the taller one of the pages on
// how to play.
constexpr PixelBox kTitlePanel{106, 432, 918, 816};
constexpr PixelBox kHowToPlayPanel{104, 292, 919, 816};
// The outline lies within this many pixels inside the panel's edges.
constexpr int kOutlineReach = 5;
// Samples of the grass left of a panel and of the panel's lower left inside,
// away from labels and buttons: this far from the panel's edges and this
// large.
constexpr int kSampleInset = 24;
constexpr int kSampleSize = 80;

bool whiteOutsideName(const RgbaImage& title) {
    for (int row = 0; row < title.height(); ++row) {
        for (int column = 0; column < title.width(); ++column) {
            if (isWhite(title.at(column, row)) && !kNameLettering.contains(column, row)) {
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

// A dark, translucent panel whose black outline lies on the stated edges:
// ink just inside each edge (across the middle of the panel) and none just
// outside it.
void panel(const RgbaImage& image, const std::string& file, const PixelBox& box,
           CheckReport& report) {
    const int middleRow = (box.top + box.bottom) / 2;
    const int middleColumn = (box.left + box.right) / 2;
    const PixelBox grassBeside{kSampleInset / 2, middleRow - kSampleSize, box.left - kSampleInset,
                               middleRow + kSampleSize};
    const PixelBox inside{box.left + kSampleInset, box.bottom - kSampleInset - kSampleSize,
                          box.left + kSampleInset + 2 * kSampleSize, box.bottom - kSampleInset};
    const double grass = pixel_stats::meanOver(image, grassBeside).luminance;
    const double shade = pixel_stats::meanOver(image, inside).luminance;
    report.expect(shade < grass * 0.6, file, "panel is not dark against the grass");
    report.expect(shade > 5.0, file, "panel is not translucent: no grass shows through");
    const PixelBox insideEdges[] = {
        {box.left, middleRow, box.left + kOutlineReach, middleRow},
        {box.right - kOutlineReach, middleRow, box.right, middleRow},
        {middleColumn, box.top, middleColumn, box.top + kOutlineReach},
        {middleColumn, box.bottom - kOutlineReach, middleColumn, box.bottom},
    };
    const PixelBox outsideEdges[] = {
        {box.left - 1, middleRow, box.left - 1, middleRow},
        {box.right + 1, middleRow, box.right + 1, middleRow},
        {middleColumn, box.top - 1, middleColumn, box.top - 1},
        {middleColumn, box.bottom + 1, middleColumn, box.bottom + 1},
    };
    bool outlined = true;
    for (int edge = 0; edge < 4; ++edge) {
        outlined = outlined && inkWithin(image, insideEdges[edge]) &&
                   !inkWithin(image, outsideEdges[edge]);
    }
    report.expect(outlined, file, "panel's black outline is not on " + describe(box));
}

}  // namespace

void layout(const RgbaImage& title, CheckReport& report) {
    if (title.width() != 1024 || title.height() != 1024) {
        return;
    }
    report.expect(!whiteOutsideName(title), kFile,
                  "has white outside the lettered name, where labels, numbers and buttons go");
    const PixelBox white = title.boxWhere(kNameLettering, isWhite);
    report.expect(reachesEdges(white, kNameLettering, kNameSlack), kFile,
                  "the name's white lettering covers " + describe(white) + ", not filling " +
                      describe(kNameLettering));

    const PixelBox& words = kNameLettering;
    const int fifth = words.width() / 5;
    const double leftRow =
        meanWhiteRow(title, PixelBox{words.left, words.top, words.left + fifth, words.bottom});
    const double rightRow =
        meanWhiteRow(title, PixelBox{words.right - fifth, words.top, words.right, words.bottom});
    report.expect(rightRow < leftRow - 10.0, kFile, "title lettering does not slant upwards");

    for (const PixelBox& place : kLabelPlaces) {
        report.expect(pixel_stats::meanOver(title, place).luminance < kDarkBehindLabels, kFile,
                      "not dark where a label is lettered, " + describe(place));
    }
    for (const PixelBox& cells : kNumberCells) {
        report.expect(pixel_stats::meanOver(title, cells).luminance < kDarkBehindNumbers, kFile,
                      "not dark behind the numbers at " + describe(cells));
    }

    panel(title, kFile, kTitlePanel, report);
}

void howToPlay(const RgbaImage& backdrop, CheckReport& report) {
    if (backdrop.width() != 1024 || backdrop.height() != 1024) {
        return;
    }
    const std::string file = "howtoplay";
    panel(backdrop, file, kHowToPlayPanel, report);
    content_check::wordless(backdrop, file, report);
}

}  // namespace title_check
