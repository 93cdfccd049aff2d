#include "title/TitleScreen.h"

#include "app/Application.h"

TitleScreen::TitleScreen(Application* application, int leftCivilians, int leftFighters,
                         int rightCivilians, int rightFighters)
    : leftCivilians(leftCivilians),
      rightCivilians(rightCivilians),
      leftFighters(leftFighters),
      rightFighters(rightFighters),
      application(application) {}

void TitleScreen::draw() {
    if (startRequested) {
        application->setNumbers(leftCivilians, leftFighters, rightCivilians, rightFighters);
        application->nextState();
    }
}

void TitleScreen::keyDown(const SDL_keysym& key) {
    if (key.sym == SDLK_ESCAPE) {
        application->quit();
    }
}

void TitleScreen::mouseButton(bool down, float /*x*/, float /*y*/) {
    if (!down) {
        startRequested = true;
    }
}
