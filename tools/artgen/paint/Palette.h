#ifndef TRUCEWARD_TOOLS_ARTGEN_PAINT_PALETTE_H
#define TRUCEWARD_TOOLS_ARTGEN_PAINT_PALETTE_H

#include "paint/Colour.h"

// Every colour the game's pictures are painted with, in one place so that
// the images stay one family.
namespace palette {

constexpr Colour kInk = Colour::bytes(0, 0, 0);
constexpr Colour kWhite = Colour::bytes(255, 255, 255);

// The grass field: the darkest and lightest tone of its mottling.
constexpr Colour kGrassDark = Colour::bytes(63, 112, 46);
constexpr Colour kGrassLight = Colour::bytes(98, 148, 62);

// Mounds: sunlit and shaded slope of a raised bank of earth and grass.
constexpr Colour kMoundLight = Colour::bytes(176, 214, 104);
constexpr Colour kMoundShade = Colour::bytes(88, 140, 50);

// The brick: its face, and the darker clay of its lower third.
constexpr Colour kBrickFace = Colour::bytes(222, 178, 116);
constexpr Colour kBrickFaceLight = Colour::bytes(240, 204, 146);
constexpr Colour kBrickBase = Colour::bytes(170, 112, 62);

// Fire: the bullet's glow, the flash and its core.
constexpr Colour kFireWhite = Colour::bytes(255, 252, 214);
constexpr Colour kFireYellow = Colour::bytes(255, 222, 48);
constexpr Colour kFireOrange = Colour::bytes(255, 150, 20);
constexpr Colour kFireRed = Colour::bytes(224, 34, 18);

constexpr Colour kEyeRed = Colour::bytes(255, 36, 24);

// The player's own marker: a bright aqua that no other picture and no alert
// tint uses, and that stands apart from the grass, the bricks and the
// black figures alike.
constexpr Colour kPlayerMarker = Colour::bytes(40, 236, 255);

// Button fills: normal, pressed and under the pointer.
constexpr Colour kButtonUp = Colour::bytes(242, 150, 138);
constexpr Colour kButtonDown = Colour::bytes(255, 214, 52);
constexpr Colour kButtonOver = Colour::bytes(222, 36, 36);

// The glow around what the keyboard's focus rests on: a warm light that no
// other picture uses.
constexpr Colour kFocus = Colour::bytes(255, 238, 150);

// The title screen's panel and the slots the numbers are written in.
constexpr Colour kPanel = Colour::bytes(10, 22, 12, 168);
constexpr Colour kSlot = Colour::bytes(0, 0, 0, 150);

// The contact sheet's checkerboard.
constexpr Colour kCheckerLight = Colour::bytes(178, 178, 178);
constexpr Colour kCheckerDark = Colour::bytes(146, 146, 146);
constexpr Colour kSheetBackground = Colour::bytes(222, 222, 218);

}  // namespace palette

#endif
