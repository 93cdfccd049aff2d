#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_TITLEART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_TITLEART_H

#include "image/RgbaImage.h"

// The title screen's artwork, 1024 x 1024. The game draws it with its
// lower-left corner at (0, -128), so image row r lies at screen height
// 896 - r and the top and bottom 128 rows are never seen. Over the grass it
// carries the game's name, lettered and slanting upwards to the right, and
// a dark panel with the number slots that the title screen writes its
// numbers, labels, arrow buttons and start button onto. The labels are not
// in the artwork: the game letters them in its own font, so that they can
// be translated.
namespace title_art {

RgbaImage paint();
// The backdrop of the pages on how to play and of the settings, drawn alike
// but without a word or a slot: the game letters headings, labels and pages
// itself. Its panel is taller, spanning columns 104..919 and rows 292..816.
RgbaImage paintHowToPlay();

}  // namespace title_art

#endif
