#ifndef TRUCEWARD_TOOLS_ARTGEN_PAINT_SHAPES_H
#define TRUCEWARD_TOOLS_ARTGEN_PAINT_SHAPES_H

#include <cairo.h>

#include "paint/Colour.h"

// Path and painting helpers shared by the pictures.
namespace shapes {

// Adds a closed rectangle with rounded corners to the current path.
void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius);

// Adds a closed polygon whose corners are rounded off: each corner is cut
// back by radius along both of its edges (less on short edges) and joined
// with a smooth curve. Points are x, y pairs.
void roundedPolygon(cairo_t* cr, const double (*points)[2], int count, double radius);

// Paints the current path the house way: the black outline of style::kOutline
// all around the outside of the path, then the fill on top. The outline is
// stroked at twice the width so that its inner half hides under the fill;
// the path's ink therefore reaches style::kOutline beyond the path itself.
// Clears the path.
void outlineAndFill(cairo_t* cr, const Colour& fill);

// The same with an outline of another width, for lettering that is drawn
// smaller than its glyphs so that it looks like them at the size shown.
void outlineAndFill(cairo_t* cr, const Colour& fill, double outlineWidth);

// For a translucent fill: the fill replaces the inner half of the outline
// instead of lying over it, so the outline does not show through. Drawn in a
// group of its own and then laid over what is already there. Clears the path.
void outlineAndFillTranslucent(cairo_t* cr, const Colour& fill, double outlineWidth);

}  // namespace shapes

#endif
