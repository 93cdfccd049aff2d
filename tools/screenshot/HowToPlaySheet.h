#ifndef TRUCEWARD_TOOLS_SCREENSHOT_HOWTOPLAYSHEET_H
#define TRUCEWARD_TOOLS_SCREENSHOT_HOWTOPLAYSHEET_H

#include <string>

class Application;

// A contact sheet of how the game teaches itself, at 800 x 600 and shown at
// half that: every page of HOW TO PLAY (the controls for the keyboard and for
// a pad), the hint in a first battle, the pause with its controls, and the
// three alert rings at full size in colour and in grey. Written to `path`;
// false when something could not be shown.
bool takeHowToPlaySheet(Application& application, const std::string& path);

#endif
