#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_BUTTONART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_BUTTONART_H

#include "image/RgbaImage.h"
#include "paint/Colour.h"

// The menus' buttons. Each comes in three states that share one
// outline, gloss and lettering (if any) and differ only in the fill colour: pale red
// (up), yellow (down, pressed) and strong red (over, under the pointer).
namespace button_art {

enum class State { Up, Down, Over };

// The fill colour of a state.
Colour fillOf(State state);

// 64 x 64: a triangle pointing left, as the number pickers' "less" button.
RgbaImage paintLeftArrow(State state);
// 64 x 64: the same triangle pointing right, the "more" button.
RgbaImage paintRightArrow(State state);
// 512 x 128: a rounded bar lettered ENTER WAR, spanning columns 90..421
// and rows 20..107.
RgbaImage paintStartBar(State state);
// The same bar lettered BACK, for the settings screen.
RgbaImage paintBackBar(State state);
// 192 x 64: a smaller rounded bar without a word (the game letters its
// label over it), spanning columns 4..187 and rows 8..55.
RgbaImage paintSmallButton(State state);

}  // namespace button_art

#endif
