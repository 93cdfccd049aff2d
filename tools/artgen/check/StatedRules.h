#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_STATEDRULES_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_STATEDRULES_H

#include <vector>

#include "check/PictureRule.h"

// The demands on the game's pictures, written down from what the game
// needs of them (hit boxes, placements, tinting, stretching), not from how
// the generator happens to draw them.
namespace stated_rules {

// The game's images, in catalogue order.
std::vector<PictureRule> images();
// The glyphs, in font order.
std::vector<PictureRule> glyphs();
// The desktop icon sizes.
std::vector<int> iconSizes();

}  // namespace stated_rules

#endif
