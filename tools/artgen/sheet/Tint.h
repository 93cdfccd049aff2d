#ifndef TRUCEWARD_TOOLS_ARTGEN_SHEET_TINT_H
#define TRUCEWARD_TOOLS_ARTGEN_SHEET_TINT_H

#include "image/RgbaImage.h"

// Tinting as the game's texture environment does it.
namespace tint {

// The image with its colour and opacity multiplied by the given factors.
RgbaImage multiplied(const RgbaImage& image, double red, double green, double blue,
                     double alpha = 1.0);

}  // namespace tint

#endif
