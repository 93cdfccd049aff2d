#ifndef TRUCEWARD_TOOLS_SCREENSHOT_LETTERING_H
#define TRUCEWARD_TOOLS_SCREENSHOT_LETTERING_H

#include "tools/screenshot/Frame.h"

class Application;
class TextDrawer;

// The contact sheets' background: dark grey, so that the game's white
// lettering reads on it.
constexpr unsigned char kSheetColour[4] = {48, 52, 56, 255};

// A label in the game's lettering, `size` pixels high, on the sheet's colour;
// drawn in the window at 1024 x 768, which the caller sets back as needed.
Frame lettered(Application& application, TextDrawer& text, const char* label, int size);

#endif
