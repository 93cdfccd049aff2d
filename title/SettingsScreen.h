#ifndef TRUCEWARD_TITLE_SETTINGSSCREEN_H
#define TRUCEWARD_TITLE_SETTINGSSCREEN_H

#include "title/ArrowButtons.h"
#include "title/MenuFocus.h"
#include "title/TitleSubScreen.h"

// The settings, shown over the title screen, which owns it and lends it its
// pointer and its text drawer. Its lines, in this order: EFFECTS and MUSIC
// (volume 0 to 10), FULL SCREEN (on or off), LANGUAGE (AUTOMATIC, then each
// language by its own name) and BACK; it opens with EFFECTS chosen. Up and
// Down choose a line, Left and Right change it (repeating while held; a
// volume and the language stop at their ends, FULL SCREEN is off on the left
// and on on the right); Return or Space on FULL SCREEN turns it over, on BACK
// leaves. Each line has its arrow buttons for the mouse. Escape, BACK, or a
// pad's B or Back leave; the title screen then closes it.
//
// Every change applies at once, through the application: a volume is heard
// with the title's music (an effect is played to show the effects' volume),
// full screen comes and goes, and every word shown takes the new language.
// When the game was started with options, which alone decide then, one line
// says that the changes last for this run.
class SettingsScreen : public TitleSubScreen {
  public:
    enum Line { LineEffects = 0, LineMusic, LineFullScreen, LineLanguage, LineBack, kLineCount };

    SettingsScreen(Application* application, TextDrawer& textDrawer);
    ~SettingsScreen() override;

    // The artwork, the buttons, the focus and the values; not the pointer.
    void draw() override;
    void keyUp(const SDL_keysym& key) override;
    // Ends whatever repeats: the releases go elsewhere from now on.
    void focusLost() override;

    void buttonClicked(Button* button) override;

    // Moves a line's value by one, -1 or +1.
    void stepLine(int line, int step);
    // The language line's value: 0 for AUTOMATIC, then 1 + an index of
    // Language::choices().
    int languageIndex() const;

    // Two for each line, among the widgets.
    ArrowButtons arrows;
    MenuFocus focus;

  protected:
    // The focus takes what it knows first; a press turns FULL SCREEN over or
    // leaves on BACK.
    void act(MenuFocus::Action action) override;

  private:
    void drawLines();
};

#endif
