#include "check/FamilyCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "check/PixelStats.h"

namespace family_check {
namespace {

// The figure's head takes its top rows: from the top of the frame to about
// a third of the way down.
constexpr int kHeadBottomRow = 24;
// Two small eyes: a handful of pixels each, not a painted head.
constexpr int kMaxEyePixels = 60;
// Channel rounding of straight 8-bit colour times alpha leaves this much
// play in the premultiplied differences.
constexpr double kFillTolerance = 3.0;

// The face draws some accented capitals with outlines of their own, a
// hair off their letter's: an edge pixel's coverage may differ by this much
// (an eighth), far less than a letter resized or moved by part of a pixel.
constexpr int kOutlineTolerance = 32;

bool reddish(Rgba p) {
    return p.r >= 150 && p.r > 2 * p.g && p.r > 2 * p.b;
}

using Premultiplied = std::array<double, 3>;

Premultiplied premultiplied(Rgba p) {
    const double a = p.a / 255.0;
    return {p.r * a, p.g * a, p.b * a};
}

// The colours the states' fills are recognised by.
bool looksPaleRed(Rgba p) {
    return p.r > 190 && p.g > 90 && p.b > 80 && p.r - p.g > 40;
}
bool looksYellow(Rgba p) {
    return p.r > 190 && p.g > 150 && p.b < 110;
}
bool looksStrongRed(Rgba p) {
    return p.r > 150 && p.g < 90 && p.b < 90;
}

// Clearly aqua: the player marker's colour, or near enough to be taken for it.
bool looksAqua(Rgba p) {
    return p.a >= 128 && p.g > 150 && p.b > 150 && p.r < 120;
}

}  // namespace

void colourIsOwn(const std::string& owner, const std::map<std::string, RgbaImage>& images,
                 CheckReport& report) {
    for (const auto& [name, image] : images) {
        if (name == owner) {
            continue;
        }
        const PixelBox whole{0, 0, image.width() - 1, image.height() - 1};
        report.expect(image.boxWhere(whole, looksAqua).isEmpty(), name,
                      "shows the colour that only " + owner + " may have");
    }
}

void fighterIsGuyWithEyes(const RgbaImage& guy, const RgbaImage& fighter, CheckReport& report) {
    const std::string file = "fighter";
    if (guy.width() != fighter.width() || guy.height() != fighter.height()) {
        report.expect(false, file, "differs in size from guy");
        return;
    }
    int differing = 0;
    int outsideHead = 0;
    int notRed = 0;
    int leftOfCentre = 0;
    int rightOfCentre = 0;
    const int centre = guy.width() / 2;
    for (int row = 0; row < guy.height(); ++row) {
        for (int column = 0; column < guy.width(); ++column) {
            if (guy.at(column, row) == fighter.at(column, row)) {
                continue;
            }
            ++differing;
            if (row > kHeadBottomRow) {
                ++outsideHead;
            }
            if (!reddish(fighter.at(column, row)) && fighter.at(column, row).a == 255 &&
                pixel_stats::luminance(fighter.at(column, row)) > 60) {
                ++notRed;
            }
            (column < centre ? leftOfCentre : rightOfCentre) += 1;
        }
    }
    report.expect(differing > 0, file, "is identical to guy: no eyes");
    report.expect(differing <= kMaxEyePixels, file,
                  std::to_string(differing) + " pixels differ from guy: more than two small eyes");
    report.expect(outsideHead == 0, file, "differs from guy below the head");
    report.expect(notRed == 0, file, "has eye pixels that are not red");
    report.expect(leftOfCentre > 0 && rightOfCentre > 0, file, "does not have two eyes");
}

void statesDifferOnlyInFill(const RgbaImage& up, const RgbaImage& down, const RgbaImage& over,
                            const std::string& family, CheckReport& report) {
    const bool sameSize = up.width() == down.width() && up.width() == over.width() &&
                          up.height() == down.height() && up.height() == over.height();
    report.expect(sameSize, family, "states differ in size");
    if (!sameSize) {
        return;
    }

    // In premultiplied colour a pixel of state k is base + g * fill_k, with
    // the base (outline, lettering, gloss) and the share g of fill showing
    // the same in every state. So up - down = g * (fill_up - fill_down) and
    // up - over = g * (fill_up - fill_over) with one g per pixel. The two
    // fill differences are read where the fill shows most (the largest
    // difference), and every other pixel must be a multiple of them.
    bool sameAlpha = true;
    double strongest = -1.0;
    int strongestColumn = 0;
    int strongestRow = 0;
    for (int row = 0; row < up.height(); ++row) {
        for (int column = 0; column < up.width(); ++column) {
            const Rgba u = up.at(column, row);
            if (u.a != down.at(column, row).a || u.a != over.at(column, row).a) {
                sameAlpha = false;
            }
            const Premultiplied pu = premultiplied(u);
            const Premultiplied pd = premultiplied(down.at(column, row));
            double size = 0.0;
            for (int c = 0; c < 3; ++c) {
                size += (pu[c] - pd[c]) * (pu[c] - pd[c]);
            }
            if (size > strongest) {
                strongest = size;
                strongestColumn = column;
                strongestRow = row;
            }
        }
    }
    report.expect(sameAlpha, family, "states differ in opacity, so not only in fill");
    report.expect(strongest > 0.0, family, "states are identical");
    if (!sameAlpha || strongest <= 0.0) {
        return;
    }

    const Premultiplied atU = premultiplied(up.at(strongestColumn, strongestRow));
    const Premultiplied atD = premultiplied(down.at(strongestColumn, strongestRow));
    const Premultiplied atO = premultiplied(over.at(strongestColumn, strongestRow));
    Premultiplied upDown{};
    Premultiplied upOver{};
    for (int c = 0; c < 3; ++c) {
        upDown[c] = atU[c] - atD[c];
        upOver[c] = atU[c] - atO[c];
    }
    int strays = 0;
    for (int row = 0; row < up.height(); ++row) {
        for (int column = 0; column < up.width(); ++column) {
            const Premultiplied pu = premultiplied(up.at(column, row));
            const Premultiplied pd = premultiplied(down.at(column, row));
            const Premultiplied po = premultiplied(over.at(column, row));
            double dot = 0.0;
            for (int c = 0; c < 3; ++c) {
                dot += (pu[c] - pd[c]) * upDown[c];
            }
            const double share = dot / strongest;
            for (int c = 0; c < 3; ++c) {
                if (std::fabs(pu[c] - pd[c] - share * upDown[c]) > kFillTolerance ||
                    std::fabs(pu[c] - po[c] - share * upOver[c]) > kFillTolerance) {
                    ++strays;
                    break;
                }
            }
        }
    }
    report.expect(strays == 0, family,
                  std::to_string(strays) + " pixels differ between states by more than the fill");

    // Where the fill shows most, each state shows its own colour.
    const Rgba u = up.at(strongestColumn, strongestRow);
    const Rgba d = down.at(strongestColumn, strongestRow);
    const Rgba o = over.at(strongestColumn, strongestRow);
    report.expect(looksPaleRed(u), family, "up state is not pale red");
    report.expect(looksYellow(d), family, "down state is not yellow");
    report.expect(looksStrongRed(o), family, "over state is not strong red");
}

void keepsLetter(const RgbaImage& glyph, const RgbaImage& letter, int top, int bottom,
                 const std::string& file, CheckReport& report) {
    if (glyph.width() != letter.width() || glyph.height() != letter.height() || top < 0 ||
        bottom >= glyph.height()) {
        report.expect(false, file, "cannot be compared with its letter");
        return;
    }
    const auto movedBy = [&](int shift) {
        for (int row = top; row <= bottom; ++row) {
            for (int column = 0; column < glyph.width(); ++column) {
                const int from = column - shift;
                const Rgba expected =
                    from >= 0 && from < letter.width() ? letter.at(from, row) : Rgba{};
                const Rgba actual = glyph.at(column, row);
                if (std::abs(actual.a - expected.a) > kOutlineTolerance ||
                    std::abs(actual.r - expected.r) > kOutlineTolerance) {
                    return false;
                }
            }
        }
        return true;
    };
    bool kept = false;
    for (int shift = 1 - glyph.width(); shift < glyph.width() && !kept; ++shift) {
        kept = movedBy(shift);
    }
    report.expect(kept, file,
                  "is not its letter's glyph in rows " + std::to_string(top) + ".." +
                      std::to_string(bottom) + ": resized or redrawn");
}

void pointsTowards(const RgbaImage& arrow, bool left, const std::string& file,
                   CheckReport& report) {
    const PixelBox ink = arrow.inkBox(127);
    if (ink.width() < 4) {
        report.expect(false, file, "has no arrow");
        return;
    }
    const auto columnHeight = [&arrow, &ink](int column) {
        int count = 0;
        for (int row = ink.top; row <= ink.bottom; ++row) {
            if (arrow.at(column, row).a > 127) {
                ++count;
            }
        }
        return count;
    };
    const int quarter = ink.width() / 4;
    const int leftHeight = columnHeight(ink.left + quarter / 2);
    const int rightHeight = columnHeight(ink.right - quarter / 2);
    report.expect(left ? leftHeight < rightHeight : rightHeight < leftHeight, file,
                  left ? "does not point left" : "does not point right");
}

}  // namespace family_check
