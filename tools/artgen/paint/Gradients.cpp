#include "paint/Gradients.h"

namespace gradients {

void addStop(cairo_pattern_t* pattern, double offset, const Colour& colour) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, colour.r, colour.g, colour.b, colour.a);
}

}  // namespace gradients
