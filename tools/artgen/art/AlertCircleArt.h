#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_ALERTCIRCLEART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_ALERTCIRCLEART_H

#include "image/RgbaImage.h"

// The alert ring drawn around a person, 64 x 64: a white band between two
// dark edges, inside columns and rows 8..55, at most 224 of 255 opaque. The
// band is white because the game tints it by multiplying; the edges stay
// dark whatever the tint.
namespace alert_circle_art {

RgbaImage paint();

}  // namespace alert_circle_art

#endif
