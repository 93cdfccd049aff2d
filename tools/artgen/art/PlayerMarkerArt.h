#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_PLAYERMARKERART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_PLAYERMARKERART_H

#include "image/RgbaImage.h"

// What marks the player's own person, 128 x 128, drawn behind its figure
// with the figure's 64 x 64 cell at columns 32..95 and rows 48..111: a soft
// halo around the figure and a small outlined arrow pointing down at its
// head, both in the one colour nothing else in the game has.
namespace player_marker_art {

constexpr int kSize = 128;
constexpr int kCellLeftInset = 32;
constexpr int kCellTopInset = 48;

RgbaImage paint();

}  // namespace player_marker_art

#endif
