#ifndef TRUCEWARD_TITLE_TITLESCREEN_H
#define TRUCEWARD_TITLE_TITLESCREEN_H

#include <vector>

#include "app/GameState.h"
#include "graphics/ButtonListener.h"
#include "graphics/TextDrawer.h"
#include "scores/HighScoresLoader.h"
#include "title/ArrowRepeat.h"

class Application;
class Button;
class Widget;

// The menu shown at start-up and after every battle: four number pickers
// (civilians and fighters on each side), the best score recorded for the
// chosen numbers, the start button and a pointer of its own. Escape quits.
// An arrow held down repeats (see ArrowRepeat); the mouse wheel over a
// number's row turns that number by one a notch.
//
// Built on the return from a battle, it first files that battle's score under
// the numbers it was given; the high score file is read when it is built and
// written when it goes (Application::nextState or the end of the program).
// Needs the OpenGL context.
class TitleScreen : public GameState, public ButtonListener {
  public:
    // The arrow buttons keep every number within these bounds; the numbers
    // given here are taken as they are.
    static constexpr int kMinimumNumber = 1;
    static constexpr int kMaximumNumber = 99;

    TitleScreen(Application* application, const StartNumbers& numbers);
    // Deletes the widgets, then saves the high score table.
    ~TitleScreen() override;

    // Draws the artwork, the buttons, the numbers, the high score and the
    // pointer. When the start button was clicked, that frame ends by handing
    // the numbers to the application and starting the battle; this object is
    // destroyed inside that call.
    void draw() override;
    void keyDown(const SDL_keysym& key) override;
    // Window pixels, y from the top, as the main loop delivers them.
    void mouseMove(float x, float y) override;
    void mouseButton(bool down, float x, float y) override;
    void mouseWheel(int notches, float x, float y) override;

    void buttonClicked(Button* button) override;

    // Lower-left corner of the pointer image, logical units.
    float cursorX = 0.0f;
    float cursorY = 0.0f;
    StartNumbers numbers;
    // The nine buttons, in creation order; owned.
    std::vector<Widget*> widgets;
    TextDrawer textDrawer;
    Application* application;
    bool startRequested = false;
    HighScoresLoader highScores;
    // The best score for the current numbers.
    int highScore = 0;

    // An arrow button and the number it steps.
    struct Arrow {
        Button* button;
        int* number;
        int step;
    };
    std::vector<Arrow> arrows;
    Button* startButton = nullptr;
    ArrowRepeat repeat;

  private:
    void addArrow(float x, float y, bool more, int* number);
    void refreshHighScore();
    // Moves the number by one in the direction of `step`, within the bounds.
    void stepNumber(int* number, int step);
    // Follows the arrow held down and takes the repeated steps that are due.
    void repeatHeldArrow(std::uint32_t now);
};

#endif
