#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_TITLEART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_TITLEART_H

#include "image/RgbaImage.h"

// The title screen's artwork, 1024 x 1024. The game draws it with its
// lower-left corner at (0, -128), so image row r lies at screen height
// 896 - r and the top and bottom 128 rows are never seen. Over the grass it
// carries the lettered title, slanting upwards to the right, and a dark
// panel with the labels and number slots that the title screen writes its
// numbers, arrow buttons and start button onto.
namespace title_art {

RgbaImage paint();
// The settings screen's artwork, drawn alike: the same grass, figures and
// panel, the heading SETTINGS where the title stands, and in the panel the
// labels EFFECTS, MUSIC and FULL SCREEN with a slot for each value.
RgbaImage paintSettings();
// The backdrop of the pages on how to play, drawn alike but without a word
// or a slot: the game letters the heading and the pages itself. Its panel
// is taller, spanning columns 104..919 and rows 292..816.
RgbaImage paintHowToPlay();

}  // namespace title_art

#endif
