#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_ICONART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_ICONART_H

#include "image/RgbaImage.h"

// The desktop icon: a rounded tile of the grass field in the black outline,
// with the stick figure carrying a brick on either side, as the player's
// person does in the game.
namespace icon_art {

// The icon sizes a desktop asks for.
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

// A square icon of the given size in pixels, drawn from the same pictures
// as the game so that every size is sharp.
RgbaImage paint(int size);

}  // namespace icon_art

#endif
