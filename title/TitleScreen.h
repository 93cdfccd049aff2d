#ifndef TRUCEWARD_TITLE_TITLESCREEN_H
#define TRUCEWARD_TITLE_TITLESCREEN_H

#include "app/GameState.h"

class Application;

// The menu shown at start-up and after every battle.
class TitleScreen : public GameState {
  public:
    TitleScreen(Application* application, int leftCivilians, int leftFighters, int rightCivilians,
                int rightFighters);

    void draw() override;
    void keyDown(const SDL_keysym& key) override;
    void mouseButton(bool down, float x, float y) override;

    int leftCivilians;
    int rightCivilians;
    int leftFighters;
    int rightFighters;
    Application* application;
    bool startRequested = false;
};

#endif
