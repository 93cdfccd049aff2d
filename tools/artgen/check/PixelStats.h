#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_PIXELSTATS_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_PIXELSTATS_H

#include <string>

#include "image/PixelBox.h"
#include "image/RgbaImage.h"

// Small measurements on pictures that the checks share.
namespace pixel_stats {

// Perceived brightness of a pixel's colour, 0..255 (alpha ignored).
double luminance(Rgba p);
// Mean colour and brightness over a box, alpha ignored.
struct Mean {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double luminance = 0.0;
};
Mean meanOver(const RgbaImage& image, const PixelBox& box);
// Standard deviation of brightness over a box.
double luminanceSpread(const RgbaImage& image, const PixelBox& box);

// A near-white, fully opaque pixel: the fill of lettering.
bool isWhite(Rgba p);
// A near-black, fully opaque pixel: outline ink.
bool isInk(Rgba p);

// "columns 13..50, rows 5..62" for messages.
std::string describe(const PixelBox& box);

}  // namespace pixel_stats

#endif
