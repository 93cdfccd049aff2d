#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_SHOTBANGART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_SHOTBANGART_H

#include "image/RgbaImage.h"

// The muzzle flash, 64 x 64: a jagged yellow star burst with a red core.
namespace shot_bang_art {

RgbaImage paint();

}  // namespace shot_bang_art

#endif
