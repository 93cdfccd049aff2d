#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_FIGUREART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_FIGUREART_H

#include <cairo.h>

#include "image/RgbaImage.h"

// The people on the field: a black stick figure seen from the front, with a
// round head, arms held out and legs apart, standing on a soft shadow. A
// fighter is the same figure with two red eyes.
namespace figure_art {

constexpr int kSize = 64;

// Draws the figure into a 64 x 64 frame under the context's current matrix.
void drawFigure(cairo_t* cr);
// Draws the two red eyes onto a figure drawn by drawFigure.
void drawEyes(cairo_t* cr);

RgbaImage paintGuy();
// Exactly paintGuy() with the eyes added: no other pixel differs.
RgbaImage paintFighter();

}  // namespace figure_art

#endif
