#include "check/ContentCheck.h"

#include <cstdlib>

#include "check/PixelStats.h"

namespace content_check {
namespace {

using pixel_stats::isInk;
using pixel_stats::isWhite;
using pixel_stats::luminance;

// A calm field: brightness varies this little (standard deviation, 0..255).
constexpr double kCalmSpread = 14.0;
// The pointer's tip may sit this far from column 10, row 8.
constexpr int kTipSlack = 2;

bool greyish(Rgba p, int tolerance) {
    return std::abs(p.r - p.g) <= tolerance && std::abs(p.g - p.b) <= tolerance;
}

bool yellowish(Rgba p) {
    return p.r >= 200 && p.g >= 150 && p.b <= 170;
}

// The marker's halo shows behind the figure at least this opaque.
constexpr int kHaloShows = 160;
// Where the game puts the figure's cell in the marker.
constexpr int kMarkerCellLeft = 32;
constexpr int kMarkerCellTop = 48;
// Blends with black this dark have no hue to speak of; nor has a pixel so
// nearly clear that its colour is mostly rounding.
constexpr int kNearBlack = 40;
constexpr int kHueShows = 8;

// The player's marker: aqua, or the black of its outline, or a blend of the
// two (the same hue, darker).
bool isAqua(Rgba p) {
    return p.b > 0 && p.g * 10 >= p.b * 8 && p.r * 4 <= p.b;
}
bool aquaOrInk(Rgba p) {
    return isAqua(p) || (p.r <= kNearBlack && p.g <= kNearBlack && p.b <= kNearBlack);
}

PixelBox whole(const RgbaImage& image) {
    return PixelBox{0, 0, image.width() - 1, image.height() - 1};
}

}  // namespace

void grassField(const RgbaImage& image, const std::string& file, CheckReport& report) {
    const pixel_stats::Mean mean = pixel_stats::meanOver(image, whole(image));
    report.expect(mean.g > mean.r + 20 && mean.g > mean.b + 40, file, "is not green");
    report.expect(mean.luminance > 70 && mean.luminance < 170, file, "is not a mid tone");
    report.expect(pixel_stats::luminanceSpread(image, whole(image)) < kCalmSpread, file,
                  "is not calm: its brightness varies too much");
}

void bullet(const RgbaImage& image, CheckReport& report) {
    long leftWeight = 0;
    long rightWeight = 0;
    int yellow = 0;
    int opaque = 0;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const Rgba p = image.at(column, row);
            (column < image.width() / 2 ? leftWeight : rightWeight) += p.a;
            if (p.a > 127) {
                ++opaque;
                if (yellowish(p)) {
                    ++yellow;
                }
            }
        }
    }
    report.expect(leftWeight > rightWeight, "bullet", "its head is not on the left");
    // Its white-hot glint aside, the slug and its glow are yellow.
    report.expect(opaque > 0 && yellow * 10 >= opaque * 6, "bullet", "is not yellow");
}

void shotBang(const RgbaImage& image, CheckReport& report) {
    const Rgba centre = image.at(image.width() / 2, image.height() / 2);
    report.expect(centre.a == 255 && centre.r > 170 && centre.g < 100, "shotbang",
                  "has no red core");
    int yellow = 0;
    int opaque = 0;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const Rgba p = image.at(column, row);
            if (p.a > 127) {
                ++opaque;
                if (yellowish(p)) {
                    ++yellow;
                }
            }
        }
    }
    report.expect(opaque > 0 && yellow * 2 > opaque, "shotbang", "is not mostly yellow");
}

void playerMarker(const RgbaImage& image, CheckReport& report) {
    bool ownColour = true;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const Rgba p = image.at(column, row);
            if (p.a >= kHueShows && !aquaOrInk(p)) {
                ownColour = false;
            }
        }
    }
    report.expect(ownColour, "playermarker", "is not aqua with black outlines");
    // The figure's 64 x 64 cell has its top-left corner at column 32, row 48,
    // and its body's centre near the cell's; the head's top is at the cell's
    // row 5.
    const Rgba behindBody = image.at(kMarkerCellLeft + 32, kMarkerCellTop + 34);
    report.expect(behindBody.a >= kHaloShows && isAqua(behindBody), "playermarker",
                  "has no halo behind the figure");
    const PixelBox aboveHead{kMarkerCellLeft, 0, kMarkerCellLeft + 63, kMarkerCellTop + 4};
    report.expect(
        !image.boxWhere(aboveHead, [](Rgba p) { return p.a == 255 && isAqua(p); }).isEmpty() &&
            !image.boxWhere(aboveHead, isInk).isEmpty(),
        "playermarker", "has no outlined arrow above the head");
}

void smoke(const RgbaImage& image, CheckReport& report) {
    bool whitish = true;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const Rgba p = image.at(column, row);
            if (p.a > 0 && (!greyish(p, 2) || p.r < 200)) {
                whitish = false;
            }
        }
    }
    report.expect(whitish, "smokepff", "is not a white cloud");
    report.expect(image.maxAlpha() > 127, "smokepff", "is too faint to be seen");
}

void mound(const RgbaImage& image, const std::string& file, CheckReport& report) {
    Rgba densest;
    for (int column = 0; column < image.width(); ++column) {
        if (image.at(column, 0).a > densest.a) {
            densest = image.at(column, 0);
        }
    }
    report.expect(densest.a > 0 && densest.g > densest.r && densest.g > densest.b, file,
                  "is not a green band");
}

void centralMoundWidth(const RgbaImage& image, CheckReport& report) {
    const PixelBox ink = image.inkBox();
    report.expect(ink.width() * 10 >= image.width() * 9, "centralmound",
                  "does not cover almost the whole width");
}

void pointer(const RgbaImage& image, CheckReport& report) {
    // The tip is the solid pixel furthest up and to the left.
    int bestColumn = -1;
    int bestRow = -1;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            if (image.at(column, row).a > 127 &&
                (bestColumn < 0 || column + row < bestColumn + bestRow)) {
                bestColumn = column;
                bestRow = row;
            }
        }
    }
    constexpr int kTipColumn = 10;
    constexpr int kTipRow = 8;
    report.expect(bestColumn >= 0 && std::abs(bestColumn - kTipColumn) <= kTipSlack &&
                      std::abs(bestRow - kTipRow) <= kTipSlack,
                  "mouse",
                  "its tip is at column " + std::to_string(bestColumn) + ", row " +
                      std::to_string(bestRow) + ", not near column 10, row 8");
    const PixelBox all = whole(image);
    report.expect(!image.boxWhere(all, isWhite).isEmpty() && !image.boxWhere(all, isInk).isEmpty(),
                  "mouse", "is not a white arrow in a black outline");
    // Pointing up and left: the ink's centre lies below and right of the tip.
    const PixelBox ink = image.inkBox();
    report.expect(ink.left + ink.right > 2 * bestColumn && ink.top + ink.bottom > 2 * bestRow,
                  "mouse", "does not point to the upper left");
}

void glyph(const RgbaImage& image, const std::string& file, CheckReport& report) {
    bool grey = true;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const Rgba p = image.at(column, row);
            if (p.a > 0 && !greyish(p, 1)) {
                grey = false;
            }
        }
    }
    report.expect(grey, file, "is not white lettering: it has colour");
    report.expect(!image.boxWhere(whole(image), isWhite).isEmpty(), file, "has no white in it");
}

void wordless(const RgbaImage& image, const std::string& file, CheckReport& report) {
    report.expect(image.boxWhere(whole(image), isWhite).isEmpty(), file,
                  "has white lettering, where the game letters its own words");
}

void brick(const RgbaImage& image, CheckReport& report) {
    const PixelBox ink = image.inkBox(127);
    if (ink.height() < 12) {
        report.expect(false, "brick", "has no brick");
        return;
    }
    const int middle = (ink.left + ink.right) / 2;
    const Rgba upper = image.at(middle, ink.top + ink.height() / 3);
    const Rgba lower = image.at(middle, ink.bottom - ink.height() / 8);
    report.expect(upper.r > upper.g && upper.g > upper.b && upper.r > 170, "brick",
                  "its face is not tan");
    report.expect(luminance(lower) < luminance(upper) - 20, "brick",
                  "its lower third is not darker than its face");
    report.expect(isInk(image.at(ink.left + 1, (ink.top + ink.bottom) / 2)), "brick",
                  "has no black outline");
    report.expect(ink.height() > ink.width(), "brick", "is not upright");
}

}  // namespace content_check
