#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_POINTERART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_POINTERART_H

#include "image/RgbaImage.h"

// The title screen's mouse pointer: a white arrow in the black outline,
// pointing to the upper left. Its tip is near column 10, row 8, and the
// whole arrow spans columns 9 to 54 and rows 7 to 55 of its 64 x 64 frame,
// so that the game's offsets put the tip on the pointer's hot spot.
namespace pointer_art {

RgbaImage paint();

}  // namespace pointer_art

#endif
