#include "art/AlertRingArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>
#include <vector>

#include "paint/Angles.h"
#include "paint/Colour.h"

namespace alert_ring_art {
namespace {

constexpr int kSize = 64;
constexpr double kCentre = kSize / 2.0;
// Each pixel averages this many samples along each side, which smooths the
// band's edges and its cross-section alike.
constexpr int kSamples = 8;

// The band's cross-section from its edge to its middle line, by depth as a
// share of its half width: a dark edge fading in, then the white core that
// takes the tint. The same share in every ring, so that a thinner band is
// the same band narrowed.
struct Stop {
    double depth;  // 0 on the band's edge, 1 on its middle line
    double grey;   // 0 black, 1 white
    double opacity;
};
constexpr Stop kProfile[] = {
    {0.0, 0.0, 0.0}, {0.2, 0.0, 0.8}, {0.4, 0.0, 0.8}, {0.68, 1.0, 0.87}, {1.0, 1.0, 0.87},
};

// The single ring the game has always drawn, about the cell's centre; the
// broken ring is cut from it. Nothing reaches beyond kReach, which keeps
// every ring inside pixels 8..55.
constexpr double kRingRadius = 19.0;
constexpr double kRingHalfWidth = 4.5;
constexpr double kReach = 24.0;

// The gun sight's ticks: narrower than the ring, from near the head the
// ring surrounds out to the ring's reach, so that they cross its band.
constexpr double kTickHalfWidth = 3.0;
constexpr double kTickInner = 7.5;
constexpr double kTickCorner = 1.5;
// The sight's own ring is a little smaller and thinner than the single
// ring, so that the ticks stand out beyond it.
constexpr double kSightRadius = 18.0;
constexpr double kSightHalfWidth = 4.0;

// The broken ring: the single ring cut into dashes with square, slightly
// rounded ends, gaps wide enough to stay clear at the smallest size the game
// draws a ring (37 pixels across), and a dash at the top and the bottom.
constexpr int kDashes = 6;
constexpr double kDashGap = 6.0;  // clear arc between two dashes, in pixels
constexpr double kDashCorner = 1.5;

// The double ring: two thinner bands with a pixel of clear grass between
// them, together reaching from the single ring's outer edge a little further
// in (still clear of the head it surrounds).
constexpr double kDoubleHalfWidth = 3.0;
constexpr double kDoubleGap = 1.0;
constexpr double kDoubleOuterRadius = kReach - kDoubleHalfWidth;
constexpr double kDoubleInnerRadius = kDoubleOuterRadius - 2.0 * kDoubleHalfWidth - kDoubleGap;

// How deep a point (relative to the cell's centre) lies in one piece of a
// band, as a share of the piece's half width: 1 on its middle line, 0 on its
// edge, below 0 outside.
using Piece = std::function<double(double x, double y)>;

// The depth of a point in a box whose corners are rounded by `corner`,
// given its depths from the box's sides (`across`) and ends (`along`).
double roundedBoxDepth(double across, double along, double corner) {
    const double a = across - corner;
    const double b = along - corner;
    if (a >= 0.0 && b >= 0.0) {
        return corner + std::min(a, b);
    }
    return corner - std::hypot(std::min(a, 0.0), std::min(b, 0.0));
}

Piece ring(double radius, double halfWidth) {
    return [radius, halfWidth](double x, double y) {
        return (halfWidth - std::fabs(std::hypot(x, y) - radius)) / halfWidth;
    };
}

// A straight tick along the direction `angle`, from `inner` to `outer`
// away from the centre (its ink's extent).
Piece tick(double angle, double inner, double outer) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return [c, s, inner, outer](double x, double y) {
        const double along = x * c + y * s;
        const double across = -x * s + y * c;
        const double depth = roundedBoxDepth(kTickHalfWidth - std::fabs(across),
                                             std::min(along - inner, outer - along), kTickCorner);
        return depth / kTickHalfWidth;
    };
}

// The single ring cut into `count` dashes, with a gap centred on angle 0.
Piece dashes(int count) {
    const double period = angles::kFullTurn / count;
    const double halfDash = (period - kDashGap / kRingRadius) / 2.0;
    return [period, halfDash](double x, double y) {
        const double r = std::hypot(x, y);
        // The angle from the middle of the nearest dash.
        double off = std::fmod(std::atan2(y, x) - period / 2.0, period);
        off = off < -period / 2.0 ? off + period : (off > period / 2.0 ? off - period : off);
        const double depth = roundedBoxDepth(kRingHalfWidth - std::fabs(r - kRingRadius),
                                             r * (halfDash - std::fabs(off)), kDashCorner);
        return depth / kRingHalfWidth;
    };
}

// Grey and opacity of the cross-section at a depth.
Stop sampleProfile(double depth) {
    if (depth <= 0.0) {
        return Stop{depth, 0.0, 0.0};
    }
    for (std::size_t i = 1; i < std::size(kProfile); ++i) {
        const Stop& from = kProfile[i - 1];
        const Stop& to = kProfile[i];
        if (depth <= to.depth) {
            const double t = (depth - from.depth) / (to.depth - from.depth);
            return Stop{depth, from.grey + (to.grey - from.grey) * t,
                        from.opacity + (to.opacity - from.opacity) * t};
        }
    }
    return kProfile[std::size(kProfile) - 1];
}

// Paints the band whose pieces are given: where pieces meet, the deeper one
// counts, so that their white runs together and only the outer edge of the
// whole is dark.
RgbaImage paintBand(const std::vector<Piece>& pieces) {
    RgbaImage image(kSize, kSize);
    constexpr double kShare = 1.0 / (kSamples * kSamples);
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            double opacity = 0.0;
            double light = 0.0;  // grey times opacity
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = column + (sx + 0.5) / kSamples - kCentre;
                    const double y = row + (sy + 0.5) / kSamples - kCentre;
                    double depth = -1.0;
                    for (const Piece& piece : pieces) {
                        depth = std::max(depth, piece(x, y));
                    }
                    const Stop cut = sampleProfile(depth);
                    opacity += cut.opacity * kShare;
                    light += cut.grey * cut.opacity * kShare;
                }
            }
            const std::uint8_t grey = opacity > 0.0 ? Colour::toByte(light / opacity) : 0;
            image.set(column, row, Rgba{grey, grey, grey, Colour::toByte(opacity)});
        }
    }
    return image;
}

}  // namespace

RgbaImage paintThreat() {
    std::vector<Piece> pieces{ring(kSightRadius, kSightHalfWidth)};
    for (int quarter = 0; quarter < 4; ++quarter) {
        pieces.push_back(tick(quarter * angles::kQuarterTurn, kTickInner, kReach));
    }
    return paintBand(pieces);
}

RgbaImage paintLaidDown() {
    return paintBand({dashes(kDashes)});
}

RgbaImage paintPeaceKeeper() {
    return paintBand(
        {ring(kDoubleOuterRadius, kDoubleHalfWidth), ring(kDoubleInnerRadius, kDoubleHalfWidth)});
}

}  // namespace alert_ring_art
