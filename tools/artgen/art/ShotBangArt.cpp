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

constexpr int size = 64;
constexpr double centre = size / 2.0;

// The flash: two jagged stars, yellow outside, pale inside, over a red core.
constexpr std::uint64_t seed = 0x73686f7462616e67ULL;
constexpr int spikes = 13;
constexpr double outerTipMin = 24.0;
constexpr double outerTipMax = 30.5;
constexpr double outerValleyMin = 11.0;
constexpr double outerValleyMax = 15.0;
constexpr double innerScale = 0.62;
constexpr double coreRadius = 11.0;

void starPath(cairo_t* cr, const double* tips, const double* valleys, double scale, double turn) {
    for (int i = 0; i < spikes; ++i) {
        const double tipAngle = turn + angles::fullTurn * i / spikes;
        const double valleyAngle = tipAngle + angles::pi / spikes;
        const double tip = tips[i] * scale;
        const double valley = valleys[i] * scale;
        if (i == 0) {
            cairo_move_to(cr, centre + tip * std::cos(tipAngle), centre + tip * std::sin(tipAngle));
        } else {
            cairo_line_to(cr, centre + tip * std::cos(tipAngle), centre + tip * std::sin(tipAngle));
        }
        cairo_line_to(cr, centre + valley * std::cos(valleyAngle),
                      centre + valley * std::sin(valleyAngle));
    }
    cairo_close_path(cr);
}

}  // namespace

RgbaImage paint() {
    Random random(seed);
    double tips[spikes];
    double valleys[spikes];
    for (int i = 0; i < spikes; ++i) {
        tips[i] = random.between(outerTipMin, outerTipMax);
        valleys[i] = random.between(outerValleyMin, outerValleyMax);
    }
    Canvas canvas(size, size);
    cairo_t* cr = canvas.context();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    starPath(cr, tips, valleys, 1.0, 0.0);
    palette::fireYellow.use(cr);
    cairo_fill_preserve(cr);
    palette::fireOrange.use(cr);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    starPath(cr, tips, valleys, innerScale, angles::pi / spikes);
    palette::fireWhite.use(cr);
    cairo_fill(cr);

    cairo_pattern_t* core =
        cairo_pattern_create_radial(centre, centre, 0.0, centre, centre, coreRadius);
    gradients::addStop(core, 0.0, palette::fireRed);
    gradients::addStop(core, 0.55, palette::fireRed);
    gradients::addStop(core, 0.8, palette::fireOrange.withAlpha(0.8));
    gradients::addStop(core, 1.0, palette::fireOrange.withAlpha(0.0));
    cairo_set_source(cr, core);
    cairo_arc(cr, centre, centre, coreRadius, 0.0, angles::fullTurn);
    cairo_fill(cr);
    cairo_pattern_destroy(core);
    return canvas.snapshot();
}

}  // namespace shot_bang_art
