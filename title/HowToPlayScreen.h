#ifndef TRUCEWARD_TITLE_HOWTOPLAYSCREEN_H
#define TRUCEWARD_TITLE_HOWTOPLAYSCREEN_H

#include <string>
#include <vector>

#include "title/TitleSubScreen.h"

class Button;
class LiveBattle;

// The pages that teach the game, over the title, which owns the screen and
// lends it its pointer and its text drawer:
//   0. the goal, beside a small battle playing itself (LiveBattle), in which
//      the player's person lays bricks that stop bullets;
//   1. the controls, of the keyboard, or of the pad while one is in use;
//   2. how the score counts;
//   3. what the player's marker and each alert ring mean.
// Left and Right turn the pages (so do the pad's D-pad, the arrow buttons and
// the mouse wheel); Return, Space, A or Start turn to the next page and, on
// the last, leave; Escape, BACK, B or Back leave at once.
class HowToPlayScreen : public TitleSubScreen {
  public:
    enum Page { PageGoal = 0, PageControls, PageScore, PageRings, kPageCount };

    HowToPlayScreen(Application* application, TextDrawer& textDrawer);
    // Deletes the live battle.
    ~HowToPlayScreen() override;

    // The artwork, the page and the buttons; not the pointer.
    void draw() override;
    void mouseWheel(int notches, float x, float y) override;

    void buttonClicked(Button* button) override;

    // Turns by `pages`, staying within the first and the last page.
    void turn(int pages);

    int page = PageGoal;
    // The arrows, among the widgets.
    Button* previousButton = nullptr;
    Button* nextButton = nullptr;
    // Owned; plays only while its page shows.
    LiveBattle* liveBattle = nullptr;

  protected:
    // Left and Right turn, a press goes onwards.
    void act(MenuFocus::Action action) override;

  private:
    // Onwards, or away after the last page.
    void next();
    void drawGoal();
    void drawControls();
    void drawScore();
    void drawRings();
    // Each paragraph broken into lines of `width` from the top line's y down;
    // returns the y below the last line.
    float writeParagraphs(const std::vector<std::string>& paragraphs, float left, float top,
                          float width, float size);
};

#endif
