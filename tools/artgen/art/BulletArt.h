#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_BULLETART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_BULLETART_H

#include "image/RgbaImage.h"

// The bullet, 32 x 32: a glowing yellow slug lying on its side, rounded head
// on the left and a tail fading out to the right, inside columns 0..30 and
// rows 8..25. The game mirrors it for bullets flying right.
namespace bullet_art {

RgbaImage paint();

}  // namespace bullet_art

#endif
