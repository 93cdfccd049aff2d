#include "art/ShotBangArt.h"

#include <cmath>
#include <cstdint>

#include "noise/Random.h"
#include "paint/Angles.h"
#include "paint/Canvas.h"
#include "paint/Gradients.h"
#include "paint/Palette.h"

namespace shot_bang_art {
namespace {

constexpr int kSize = 64;
constexpr double kCentre = kSize / 2.0;

// The flash: two jagged stars, yellow outside, pale inside, over a red core.
constexpr std::uint64_t kSeed = 0x73686f7462616e67ULL;
constexpr int kSpikes = 13;
constexpr double kOuterTipMin = 24.0;
constexpr double kOuterTipMax = 30.5;
constexpr double kOuterValleyMin = 11.0;
constexpr double kOuterValleyMax = 15.0;
constexpr double kInnerScale = 0.62;
constexpr double kCoreRadius = 11.0;

void starPath(cairo_t* cr, const double* tips, const double* valleys, double scale, double turn) {
    for (int i = 0; i < kSpikes; ++i) {
        const double tipAngle = turn + angles::kFullTurn * i / kSpikes;
        const double valleyAngle = tipAngle + angles::kPi / kSpikes;
        const double tip = tips[i] * scale;
        const double valley = valleys[i] * scale;
        if (i == 0) {
            cairo_move_to(cr, kCentre + tip * std::cos(tipAngle),
                          kCentre + tip * std::sin(tipAngle));
        } else {
            cairo_line_to(cr, kCentre + tip * std::cos(tipAngle),
                          kCentre + tip * std::sin(tipAngle));
        }
        cairo_line_to(cr, kCentre + valley * std::cos(valleyAngle),
                      kCentre + valley * std::sin(valleyAngle));
    }
    cairo_close_path(cr);
}

}  // namespace

RgbaImage paint() {
    Random random(kSeed);
    double tips[kSpikes];
    double valleys[kSpikes];
    for (int i = 0; i < kSpikes; ++i) {
        tips[i] = random.between(kOuterTipMin, kOuterTipMax);
        valleys[i] = random.between(kOuterValleyMin, kOuterValleyMax);
    }
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.context();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    starPath(cr, tips, valleys, 1.0, 0.0);
    palette::kFireYellow.use(cr);
    cairo_fill_preserve(cr);
    palette::kFireOrange.use(cr);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    starPath(cr, tips, valleys, kInnerScale, angles::kPi / kSpikes);
    palette::kFireWhite.use(cr);
    cairo_fill(cr);

    cairo_pattern_t* core =
        cairo_pattern_create_radial(kCentre, kCentre, 0.0, kCentre, kCentre, kCoreRadius);
    gradients::addStop(core, 0.0, palette::kFireRed);
    gradients::addStop(core, 0.55, palette::kFireRed);
    gradients::addStop(core, 0.8, palette::kFireOrange.withAlpha(0.8));
    gradients::addStop(core, 1.0, palette::kFireOrange.withAlpha(0.0));
    cairo_set_source(cr, core);
    cairo_arc(cr, kCentre, kCentre, kCoreRadius, 0.0, angles::kFullTurn);
    cairo_fill(cr);
    cairo_pattern_destroy(core);
    return canvas.snapshot();
}

}  // namespace shot_bang_art
