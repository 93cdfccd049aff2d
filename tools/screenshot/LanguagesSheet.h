#ifndef TRUCEWARD_TOOLS_SCREENSHOT_LANGUAGESSHEET_H
#define TRUCEWARD_TOOLS_SCREENSHOT_LANGUAGESSHEET_H

#include <string>

class Application;

// A contact sheet of the game in every language it speaks, at 800 x 600 and
// shown at half that: for each, the title screen, the settings and the first
// page of HOW TO PLAY. Written to `path`; false when something could not be
// shown.
bool takeLanguagesSheet(Application& application, const std::string& path);

#endif
