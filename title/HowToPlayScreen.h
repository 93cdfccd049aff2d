#ifndef TRUCEWARD_TITLE_HOWTOPLAYSCREEN_H
#define TRUCEWARD_TITLE_HOWTOPLAYSCREEN_H

#include <string>
#include <vector>

#include "graphics/ButtonListener.h"
#include "title/TitleSubScreen.h"

class Application;
class Button;
class LiveBattle;
class TextDrawer;
class Widget;

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
class HowToPlayScreen : public TitleSubScreen, public ButtonListener {
  public:
    enum Page { PageGoal = 0, PageControls, PageScore, PageRings, kPageCount };

    HowToPlayScreen(Application* application, TextDrawer& textDrawer);
    // Deletes the widgets and the live battle.
    ~HowToPlayScreen() override;

    // The artwork, the page and the buttons; not the pointer.
    void draw() override;
    void keyDown(const SDL_keysym& key) override;
    void padButton(PadButton button, bool down) override;
    // Window pixels, y from the top.
    void mouseMove(float x, float y) override;
    void mouseButton(bool down, float x, float y) override;
    void mouseWheel(int notches, float x, float y) override;

    void buttonClicked(Button* button) override;

    // Turns by `pages`, staying within the first and the last page.
    void turn(int pages);

    int page = PageGoal;
    Application* application;
    TextDrawer& textDrawer;
    // The two arrows and BACK; owned.
    std::vector<Widget*> widgets;
    Button* previousButton = nullptr;
    Button* nextButton = nullptr;
    Button* backButton = nullptr;
    // Owned; plays only while its page shows.
    LiveBattle* liveBattle = nullptr;

  private:
    // Onwards, or away after the last page.
    void next();
    void drawGoal();
    void drawControls();
    void drawScore();
    void drawRings();
    // Text at logical coordinates: left-aligned from x, or right-aligned to
    // it, or centred on it; `size` in logical units.
    void write(const std::string& text, float x, float y, float size);
    void writeRightAligned(const std::string& text, float x, float y, float size);
    void writeCentred(const std::string& text, float x, float y, float size);
    // Each paragraph broken into lines of `width` from the top line's y down;
    // returns the y below the last line.
    float writeParagraphs(const std::vector<std::string>& paragraphs, float left, float top,
                          float width, float size);
};

#endif
