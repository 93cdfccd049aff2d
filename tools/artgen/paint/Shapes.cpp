#include "paint/Shapes.h"

#include <algorithm>
#include <cmath>

#include "paint/Angles.h"
#include "paint/Palette.h"
#include "paint/Style.h"

namespace shapes {

void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius) {
    const double r = std::min(radius, std::min(width, height) / 2.0);
    const double quarter = angles::kQuarterTurn;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - r, y + r, r, -quarter, 0.0);
    cairo_arc(cr, x + width - r, y + height - r, r, 0.0, quarter);
    cairo_arc(cr, x + r, y + height - r, r, quarter, 2.0 * quarter);
    cairo_arc(cr, x + r, y + r, r, 2.0 * quarter, 3.0 * quarter);
    cairo_close_path(cr);
}

void roundedPolygon(cairo_t* cr, const double (*points)[2], int count, double radius) {
    // The point at distance cut from corner i towards corner j.
    const auto towards = [points](int i, int j, double cut, double* x, double* y) {
        const double dx = points[j][0] - points[i][0];
        const double dy = points[j][1] - points[i][1];
        const double length = std::hypot(dx, dy);
        const double t = length > 0.0 ? std::min(cut / length, 0.5) : 0.0;
        *x = points[i][0] + dx * t;
        *y = points[i][1] + dy * t;
    };
    cairo_new_sub_path(cr);
    for (int i = 0; i < count; ++i) {
        const int previous = (i + count - 1) % count;
        const int next = (i + 1) % count;
        double inX, inY, outX, outY;
        towards(i, previous, radius, &inX, &inY);
        towards(i, next, radius, &outX, &outY);
        if (i == 0) {
            cairo_move_to(cr, inX, inY);
        } else {
            cairo_line_to(cr, inX, inY);
        }
        // A cubic with both handles two thirds of the way to the corner is
        // the quadratic curve that has the corner as its control point.
        constexpr double kHandle = 2.0 / 3.0;
        cairo_curve_to(cr, inX + (points[i][0] - inX) * kHandle,
                       inY + (points[i][1] - inY) * kHandle, outX + (points[i][0] - outX) * kHandle,
                       outY + (points[i][1] - outY) * kHandle, outX, outY);
    }
    cairo_close_path(cr);
}

void outlineAndFill(cairo_t* cr, const Colour& fill) {
    outlineAndFill(cr, fill, style::kOutline);
}

void outlineAndFill(cairo_t* cr, const Colour& fill, double outlineWidth) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.0 * outlineWidth);
    palette::kInk.use(cr);
    cairo_stroke_preserve(cr);
    fill.use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void outlineAndFillTranslucent(cairo_t* cr, const Colour& fill, double outlineWidth) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_push_group(cr);
    cairo_append_path(cr, path);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2.0 * outlineWidth);
    palette::kInk.use(cr);
    cairo_stroke_preserve(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    fill.use(cr);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_path_destroy(path);
}

}  // namespace shapes
