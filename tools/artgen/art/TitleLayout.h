#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_TITLELAYOUT_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_TITLELAYOUT_H

#include "image/PixelBox.h"

// Where things stand on the title artwork, in image pixels (rows from the
// top). These places are dictated by where the title screen writes its
// numbers and labels and puts its buttons: screen height y is image row
// 896 - y. The labels left of the slots and of the high score are lettered
// by the game, on the bare panel (their places are in check/TitleCheck.cpp).
namespace title_layout {

constexpr int kSize = 1024;

// The lettered title, outline included.
constexpr PixelBox kLettering{41, 192, 986, 357};
// The panel, outline included.
constexpr PixelBox kPanel{106, 432, 918, 816};

// The slots behind the two-digit numbers: 46 x 48 units with their lower
// left corners at x 388 / 799 and heights 394 / 325.
constexpr PixelBox kLeftCiviliansSlot{388, 454, 434, 502};
constexpr PixelBox kRightCiviliansSlot{799, 454, 845, 502};
constexpr PixelBox kLeftFightersSlot{388, 523, 434, 571};
constexpr PixelBox kRightFightersSlot{799, 523, 845, 571};

// The pages on how to play and the settings share the grass and figures;
// the game letters their heading above the panel and their text inside it,
// which reaches from screen height 604 down to 80.
constexpr PixelBox kHowToPlayPanel{104, 292, 919, 816};

}  // namespace title_layout

#endif
