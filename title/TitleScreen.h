#ifndef TRUCEWARD_TITLE_TITLESCREEN_H
#define TRUCEWARD_TITLE_TITLESCREEN_H

#include <cstdint>
#include <vector>

#include "app/GameState.h"
#include "graphics/ButtonListener.h"
#include "graphics/TextDrawer.h"
#include "scores/HighScoresLoader.h"
#include "title/ArrowButtons.h"
#include "title/MenuFocus.h"

class Application;
class Button;
class TitleSubScreen;
class Widget;

// The menu shown at start-up and after every battle: four number pickers
// (civilians and fighters on each side), the best score recorded for the
// chosen numbers, the start button (ENTER WAR), the SETTINGS, HOW TO PLAY and
// REPLAYS buttons and a pointer of its own. Escape quits. Left alone for
// 30 s, it plays a battle by itself: the best replay of the numbers shown,
// or else the game's own demonstration; any key, click or pad button brings
// it back (see Application::BackOnAnyInput).
//
// The mouse works the buttons: an arrow held down repeats (see ArrowButtons),
// the wheel over a number's row turns that number by one a notch. The
// keyboard and a pad work a focus of their own (see MenuFocus), which opens on
// ENTER WAR (on HOW TO PLAY at a player's very first start): Down and Tab go
// forward in reading order, Up and Shift+Tab back;
// Left and Right step a focused number, repeating while held; Return, keypad
// Enter, Space, and a pad's A or Start press the focused button, and on a
// number start the battle. Pointing never moves the focus.
//
// SETTINGS opens the settings screen over the title, HOW TO PLAY the pages that
// teach the game, REPLAYS the list of the replays kept; until it is closed,
// all input and drawing go to that screen, with the title's pointer on top. What was held down on
// the title when it opened (a key, the pad, an arrow button) no longer repeats there.
//
// Built on the return from a battle, it first files that battle's score under
// the numbers it was given and saves the high score table at once, and files
// the battle's recording in the replays (ReplayShelf). Needs the OpenGL
// context.
class TitleScreen : public GameState, public ButtonListener {
  public:
    // The arrow buttons keep every number within these bounds; the numbers
    // given here are taken as they are.
    static constexpr int kMinimumNumber = 1;
    static constexpr int kMaximumNumber = 99;

    // What the focus can rest on, in reading order.
    enum Item {
        ItemLeftCivilians = 0,
        ItemRightCivilians,
        ItemLeftFighters,
        ItemRightFighters,
        ItemEnterWar,
        ItemSettings,
        ItemHowToPlay,
        ItemReplays,
        kItemCount,
    };

    // What a title screen files as it opens.
    enum Filing {
        // The battle just left: its score from the game counters (nothing
        // before the first battle of the process), and its recording, when
        // the application holds one (Application::lastBattle).
        FileLastBattle,
        // Nothing: after watching a replay, whose battle is not the player's.
        FileNothing,
    };

    // The focus opens on `firstItem`.
    TitleScreen(Application* application, const StartNumbers& numbers,
                Filing filing = FileLastBattle, int firstItem = ItemEnterWar);
    // Deletes the screen open over it, if any, and the widgets.
    ~TitleScreen() override;

    // Draws the artwork, the buttons, the focus, the numbers, the high score
    // and the pointer (or the screen open over it and the pointer). When the
    // start was asked for, that frame ends by handing the numbers to the
    // application and starting the battle; this object is destroyed inside
    // that call.
    void draw() override;
    void keyDown(const SDL_keysym& key) override;
    void keyUp(const SDL_keysym& key) override;
    void padButton(PadButton button, bool down) override;
    // Window pixels, y from the top, as the main loop delivers them.
    void mouseMove(float x, float y) override;
    void mouseButton(bool down, float x, float y) override;
    void mouseWheel(int notches, float x, float y) override;
    // Ends whatever repeats: the keys' releases go elsewhere from now on.
    void focusLost() override;
    bool isMenu() const override { return true; }
    bool mayRestartPads() const override { return true; }

    void buttonClicked(Button* button) override;

    // The number an item of the four stands for.
    int* numberOf(int item);

    // Lower-left corner of the pointer image, logical units.
    float cursorX = 0.0f;
    float cursorY = 0.0f;
    StartNumbers numbers;
    // The twelve buttons: eight arrows, ENTER WAR, SETTINGS, HOW TO PLAY and
    // REPLAYS; owned.
    std::vector<Widget*> widgets;
    TextDrawer textDrawer;
    Application* application;
    bool startRequested = false;
    // When input last came (SDL_GetTicks), or the title was built.
    std::uint32_t lastInput = 0;
    HighScoresLoader highScores;
    // The best score for the current numbers.
    int highScore = 0;

    ArrowButtons arrows;
    Button* startButton = nullptr;
    Button* settingsButton = nullptr;
    Button* howToPlayButton = nullptr;
    Button* replaysButton = nullptr;
    MenuFocus focus;
    // The settings, HOW TO PLAY or the replays, open over the title while not
    // null; owned.
    TitleSubScreen* subScreen = nullptr;

  private:
    void fileLastBattleAndReplay();
    void refreshHighScore();
    // Moves the item's number by one in the direction of `step`, within the bounds.
    void stepNumber(int item, int step);
    // What a key or pad button asked of the focus.
    void act(MenuFocus::Action action);
    void pressFocused();
    // Opens `screen` over the title (deleting it when one is open already).
    void open(TitleSubScreen* screen);
    // The screen open over it for `item` (SETTINGS, HOW TO PLAY, REPLAYS).
    void openFor(int item);
    // Input came: the title is not alone.
    void noticeInput();
    // Plays a replay in the title's place, as asked by the screen open over
    // it or after long enough alone; whether it did (the title is then gone).
    bool watchWhenDue();
    // Ends every repeat the title started, of keys, pad and arrow buttons:
    // their releases will not reach it.
    void stopRepeats();
    // Closes the screen open over the title once it has asked to be closed.
    void closeFinished();
    void drawFocus();
    // The numbers' and the high score's labels, in the player's language.
    void drawLabels();
    void drawNumbers();
};

#endif
