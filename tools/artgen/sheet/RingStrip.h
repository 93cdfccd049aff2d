#ifndef TRUCEWARD_TOOLS_ARTGEN_SHEET_RINGSTRIP_H
#define TRUCEWARD_TOOLS_ARTGEN_SHEET_RINGSTRIP_H

#include <vector>

#include "image/RgbaImage.h"

// The alert rings tinted as the game lights them and laid side by side on
// the grass, for the contact sheet: whether they tell apart is best judged
// on the field, at the sizes the game shows them.
namespace ring_strip {

struct TintedRing {
    const RgbaImage* image;
    double red;
    double green;
    double blue;
};

// Each ring tinted and drawn `across` pixels wide (its 64-pixel cell
// scaled alike), with room around it.
RgbaImage paint(const std::vector<TintedRing>& rings, double across);

}  // namespace ring_strip

#endif
