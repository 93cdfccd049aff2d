#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_MOUNDART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_MOUNDART_H

#include "image/RgbaImage.h"

// The raised banks of the field, seen from above: translucent green bands,
// lit on their left slope and shaded on the right. The game stretches them
// many times over the field's height, so every column is one colour from
// top to bottom and the band has no vertical features at all.
namespace mound_art {

// 256 x 256: the middle bank, over almost the whole width.
RgbaImage paintCentral();
// 128 x 128: a side bank in columns 24 to 103.
RgbaImage paintSide();

}  // namespace mound_art

#endif
