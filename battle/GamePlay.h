#ifndef TRUCEWARD_BATTLE_GAMEPLAY_H
#define TRUCEWARD_BATTLE_GAMEPLAY_H

#include "app/GameState.h"

class Application;

// The battle.
class GamePlay : public GameState {
  public:
    GamePlay(Application* application, int leftCivilians, int leftFighters, int rightCivilians,
             int rightFighters);

    void draw() override;
    void keyDown(const SDL_keysym& key) override;

    int leftCivilians;
    int rightCivilians;
    int leftFighters;
    int rightFighters;
    Application* application;
};

#endif
