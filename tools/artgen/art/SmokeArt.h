#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_SMOKEART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_SMOKEART_H

#include "image/RgbaImage.h"

// The puff where a brick stops a bullet, 64 x 64: a soft white cloud, at
// most 203 of 255 opaque.
namespace smoke_art {

RgbaImage paint();

}  // namespace smoke_art

#endif
