#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_GRASSFIELD_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_GRASSFIELD_H

#include "image/RgbaImage.h"

// The grass field that the battle and the title screen stand on: an opaque,
// calm, mottled mid-green with no features, so that nothing on it competes
// with the figures.
namespace grass_field {

// A width x height piece of the one endless field whose top-left pixel is
// at (originColumn, originRow) of the field.
RgbaImage paint(int width, int height, int originColumn = 0, int originRow = 0);

}  // namespace grass_field

#endif
