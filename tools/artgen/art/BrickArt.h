#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_BRICKART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_BRICKART_H

#include <cairo.h>

#include "image/RgbaImage.h"

// The brick the walls are built of: upright, a tan face with a darker lower
// third, in the thick black outline.
namespace brick_art {

constexpr int kSize = 64;

// Draws the brick into a 64 x 64 frame under the context's current matrix.
void drawBrick(cairo_t* cr);

RgbaImage paint();

}  // namespace brick_art

#endif
