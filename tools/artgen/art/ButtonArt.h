#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_BUTTONART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_BUTTONART_H

#include "image/RgbaImage.h"
#include "paint/Colour.h"

// The menus' buttons. Each comes in three states that share one outline and
// gloss and differ only in the fill colour: pale red (up), yellow (down,
// pressed) and strong red (over, under the pointer). The bars carry no word:
// the game letters theirs over them in its own font, so that they can be
// translated.
namespace button_art {

enum class State { Up, Down, Over };

// The fill colour of a state.
Colour fillOf(State state);

// 64 x 64: a triangle pointing left, as the number pickers' "less" button.
RgbaImage paintLeftArrow(State state);
// 64 x 64: the same triangle pointing right, the "more" button.
RgbaImage paintRightArrow(State state);
// 512 x 128: a rounded bar spanning columns 90..421 and rows 20..107, for
// ENTER WAR on the title and BACK on the screens over it.
RgbaImage paintBar(State state);
// 192 x 64: a smaller rounded bar, spanning columns 4..187 and rows 8..55.
RgbaImage paintSmallButton(State state);

}  // namespace button_art

#endif
