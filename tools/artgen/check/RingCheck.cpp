#include "check/RingCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "paint/Angles.h"

namespace ring_check {
namespace {

// The white band and the dark edges, and the opacity at which they count as
// showing. The thinner bands' dark edges are less than a pixel wide, so the
// pixels that show them are greyed by their neighbours; they still stand
// well below the grass (whose darkest tone is about 90 bright).
constexpr int kWhite = 240;
constexpr int kDark = 80;
constexpr int kShows = 128;
// Rounding may leave a grey pixel this far from neutral.
constexpr int kGreyTolerance = 2;
// Lines out from the middle: enough that none slips through a gap or past a
// tick unseen.
constexpr int kLines = 360;
constexpr double kStep = 0.25;
// The sight's ticks reach at least this much nearer the middle than the band.
constexpr double kTickReach = 4.0;
constexpr int kFewestDashes = 6;

// What a line out from the middle crosses.
struct Crossing {
    // Stretches of white, told apart by something dark or clear between
    // them (not by the grey of a band's own antialiasing).
    int whiteRuns = 0;
    double firstWhite = 0.0;  // distance of the first white from the middle
    bool darkBefore = false;
    bool darkAfter = false;
};

Crossing cross(const RgbaImage& image, double angle) {
    Crossing crossing;
    const double middleX = image.width() / 2.0;
    const double middleY = image.height() / 2.0;
    bool gapSinceWhite = true;
    for (double distance = 0.0;; distance += kStep) {
        const int column = static_cast<int>(std::floor(middleX + distance * std::cos(angle)));
        const int row = static_cast<int>(std::floor(middleY + distance * std::sin(angle)));
        if (column < 0 || row < 0 || column >= image.width() || row >= image.height()) {
            break;
        }
        const Rgba p = image.at(column, row);
        const bool white = p.a >= kShows && p.r >= kWhite;
        const bool dark = p.a >= kShows && p.r <= kDark;
        if (white && gapSinceWhite) {
            crossing.firstWhite = crossing.whiteRuns == 0 ? distance : crossing.firstWhite;
            ++crossing.whiteRuns;
            crossing.darkAfter = false;
        }
        if (white) {
            gapSinceWhite = false;
        } else if (dark || p.a < kShows) {
            gapSinceWhite = true;
        }
        crossing.darkBefore = crossing.darkBefore || (dark && crossing.whiteRuns == 0);
        crossing.darkAfter = crossing.darkAfter || (dark && crossing.whiteRuns > 0);
    }
    return crossing;
}

double lineAngle(int line) {
    return angles::kFullTurn * line / kLines;
}

std::vector<Crossing> crossAll(const RgbaImage& image) {
    std::vector<Crossing> crossings;
    for (int line = 0; line < kLines; ++line) {
        crossings.push_back(cross(image, lineAngle(line)));
    }
    return crossings;
}

bool everyLineCrosses(const std::vector<Crossing>& crossings, int runs) {
    return std::all_of(crossings.begin(), crossings.end(),
                       [runs](const Crossing& c) { return c.whiteRuns == runs; });
}

}  // namespace

void ring(const RgbaImage& image, const std::string& file, CheckReport& report) {
    bool grey = true;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const Rgba p = image.at(column, row);
            grey = grey && (p.a == 0 || (std::abs(p.r - p.g) <= kGreyTolerance &&
                                         std::abs(p.g - p.b) <= kGreyTolerance));
        }
    }
    report.expect(grey, file, "is not grey levels, so tinting it would not give its colour");
    report.expect(image.at(image.width() / 2, image.height() / 2).a == 0, file,
                  "is not a ring: its middle is not clear");
    bool anyWhite = false;
    bool edged = true;
    for (const Crossing& c : crossAll(image)) {
        anyWhite = anyWhite || c.whiteRuns > 0;
        edged = edged && (c.whiteRuns == 0 || (c.darkBefore && c.darkAfter));
    }
    report.expect(anyWhite, file, "has no white band to take the tint");
    report.expect(edged, file, "has white without a dark edge on both sides");
}

void sight(const RgbaImage& image, const std::string& file, CheckReport& report) {
    const std::vector<Crossing> crossings = crossAll(image);
    report.expect(everyLineCrosses(crossings, 1), file, "is not one band all round");
    // Ticks on the axes, the band alone halfway between them.
    double tickStart = 0.0;
    double bandStart = image.width();
    for (int axis = 0; axis < 4; ++axis) {
        tickStart = std::max(tickStart, crossings[axis * kLines / 4].firstWhite);
        bandStart = std::min(bandStart, crossings[axis * kLines / 4 + kLines / 8].firstWhite);
    }
    report.expect(tickStart + kTickReach <= bandStart, file,
                  "has no ticks on the axes reaching in from its band");
}

void dashed(const RgbaImage& image, const std::string& file, CheckReport& report) {
    const std::vector<Crossing> crossings = crossAll(image);
    int dashes = 0;
    bool single = true;
    for (int line = 0; line < kLines; ++line) {
        const bool here = crossings[line].whiteRuns > 0;
        const bool before = crossings[(line + kLines - 1) % kLines].whiteRuns > 0;
        dashes += here && !before ? 1 : 0;
        single = single && crossings[line].whiteRuns <= 1;
    }
    report.expect(dashes >= kFewestDashes && single, file,
                  "is not broken into " + std::to_string(kFewestDashes) +
                      " or more dashes (found " + std::to_string(dashes) + ")");
}

void doubled(const RgbaImage& image, const std::string& file, CheckReport& report) {
    report.expect(everyLineCrosses(crossAll(image), 2), file, "is not two bands all round");
}

}  // namespace ring_check
