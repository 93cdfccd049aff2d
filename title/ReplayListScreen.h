#ifndef TRUCEWARD_TITLE_REPLAYLISTSCREEN_H
#define TRUCEWARD_TITLE_REPLAYLISTSCREEN_H

#include <string>
#include <vector>

#include "scores/StartNumbers.h"
#include "title/TitleSubScreen.h"

// The replays the player keeps (in the Replays folder beside the high score
// table), over the title, which owns the screen and lends it its pointer and
// text drawer: the last battle first, then the best of each choice of start
// numbers, each with its numbers and its score, and a file that cannot be
// read as "unreadable". Up and Down choose (the pad's D-pad too), Return,
// Space, A or Start play the one chosen, and so does a click on its row;
// the wheel scrolls; Escape, BACK, B or Back leave. Playing is the title's
// to do (watchRequested): the title goes when the replay comes.
class ReplayListScreen : public TitleSubScreen {
  public:
    // One replay file, as far as the list shows it.
    struct Entry {
        std::string path;
        bool last = false;
        bool readable = false;
        StartNumbers numbers{};
        int score = 0;
    };
    // Rows shown at once; more scroll.
    static constexpr int kRowsShown = 7;

    // Reads the folder and every replay in it.
    ReplayListScreen(Application* application, TextDrawer& textDrawer);

    void draw() override;
    // Window pixels, y from the top.
    void mouseButton(bool down, float x, float y) override;
    void mouseWheel(int notches, float x, float y) override;

    // The kept replays: the last battle's, then the bests by their numbers.
    static std::vector<Entry> kept();

    std::vector<Entry> entries;
    // The entry chosen and the first row shown.
    int chosen = 0;
    int firstShown = 0;

  protected:
    // Up and Down choose, a press plays.
    void act(MenuFocus::Action action) override;

  private:
    void choose(int entry);
    // Plays the entry chosen, if it can be read.
    void play();
    // The entry under logical (x, y), or -1.
    int entryAt(float x, float y) const;
    void drawRow(const Entry& entry, float y);
};

#endif
