#ifndef TRUCEWARD_TOOLS_ARTGEN_PAINT_GRADIENTS_H
#define TRUCEWARD_TOOLS_ARTGEN_PAINT_GRADIENTS_H

#include <cairo.h>

#include "paint/Colour.h"

// Helpers for cairo's gradients.
namespace gradients {

// Adds a colour stop with the colour's own alpha.
void addStop(cairo_pattern_t* pattern, double offset, const Colour& colour);

}  // namespace gradients

#endif
