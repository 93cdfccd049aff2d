#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_TITLECHECK_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_TITLECHECK_H

#include "check/CheckReport.h"
#include "image/RgbaImage.h"

// Checks the title artwork's layout against where the title screen writes
// its numbers and labels and puts its buttons: white only in the lettered
// name, dark where the game letters in white. The artwork is drawn with its
// lower-left corner at screen (0, -128), so screen height y is image row
// 896 - y.
namespace title_check {

void layout(const RgbaImage& title, CheckReport& report);
// The backdrop of the pages on how to play: the panel, stated to span
// columns 104..919 and rows 292..816, and no word, for the game writes
// every word on it itself.
void howToPlay(const RgbaImage& backdrop, CheckReport& report);

}  // namespace title_check

#endif
