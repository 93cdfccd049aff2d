#include "battle/GamePlay.h"

#include "app/Application.h"

GamePlay::GamePlay(Application* application, int leftCivilians, int leftFighters,
                   int rightCivilians, int rightFighters)
    : leftCivilians(leftCivilians),
      rightCivilians(rightCivilians),
      leftFighters(leftFighters),
      rightFighters(rightFighters),
      application(application) {}

void GamePlay::draw() {}

void GamePlay::keyDown(const SDL_keysym& key) {
    if (key.sym == SDLK_ESCAPE) {
        application->nextState();
    }
}
