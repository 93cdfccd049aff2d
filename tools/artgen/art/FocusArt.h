#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_FOCUSART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_FOCUSART_H

#include "image/RgbaImage.h"

// The glow that shows where the keyboard's focus is on a menu: a light ring
// in the house outline, with a soft halo, around a box of ink (a number's
// arrows and box, a button). The image is the ink box grown by kMargin on
// every side, so that the game places it kMargin below and left of the ink;
// its middle is clear, so that what it surrounds shows through.
namespace focus_art {

constexpr int kMargin = 16;

// The glow around an ink box of the given size whose corners are rounded by
// about `cornerRadius`.
RgbaImage paint(int inkWidth, int inkHeight, double cornerRadius);

}  // namespace focus_art

#endif
