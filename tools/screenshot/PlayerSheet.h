#ifndef TRUCEWARD_TOOLS_SCREENSHOT_PLAYERSHEET_H
#define TRUCEWARD_TOOLS_SCREENSHOT_PLAYERSHEET_H

#include <string>

class Application;

// A contact sheet of how the player sees its own person: crops of battles
// at 800 x 600 and at 1024 x 768, the player at the upper and the lower
// brick pile, in a crowd, and just after its fall. Each battle is played
// from a fixed seed with keys that follow only the battle's state, so it
// replays the same at both sizes. The window must be at least 1024 x 768;
// the smaller size is drawn into its lower-left corner.
bool takePlayerSheet(Application& application, const std::string& path);

#endif
