#ifndef TRUCEWARD_APP_GAMESTATE_H
#define TRUCEWARD_APP_GAMESTATE_H

#include <SDL.h>

#include "app/PadButton.h"

// A screen of the game: the title screen or the battle.
//
// Input contract, kept by the main loop:
// - keys: only `sym` of the record is meaningful; there is no key repeat, but a
//   joystick may send repeated presses and releases of keys that are not down;
//   a pad's D-pad and stick arrive as arrow keys, its other buttons (in the
//   controller layout only) through padButton();
// - mouse: pixels of the picture (the window without the black bars that keep
//   it 4:3), origin at its top-left, y growing downwards; motion and releases
//   over a bar come with positions outside the picture, presses there not at
//   all; a turn of the wheel is a mouseWheel() of its own, never a button;
// - draw(): called once per frame after all pending input, with the picture
//   cleared to white, model-view at identity and a projection in the
//   picture's pixels with the origin at its bottom-left (Widget::screenWidth
//   and screenHeight are its size); one call is one step of whatever the
//   state simulates;
// - a state may call Application::nextState() or Application::watch() from
//   draw() or keyDown(); it is destroyed inside that call and must return at
//   once.
class GameState {
  public:
    GameState() = default;
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;
    virtual ~GameState() = default;

    virtual void draw() = 0;
    virtual void keyDown(const SDL_keysym& key) = 0;
    virtual void keyUp(const SDL_keysym& /*key*/) {}
    virtual void mouseMove(float /*x*/, float /*y*/) {}
    virtual void mouseButton(bool /*down*/, float /*x*/, float /*y*/) {}
    // The wheel turned by `notches`, positive away from the user, with the
    // pointer at (x, y).
    virtual void mouseWheel(int /*notches*/, float /*x*/, float /*y*/) {}
    // The window lost the input focus or was minimised.
    virtual void focusLost() {}
    // A pad's button other than the D-pad went down or up.
    virtual void padButton(PadButton /*button*/, bool /*down*/) {}
    // A menu takes a push of the stick as one press of an arrow key, held
    // until the stick comes back; otherwise every motion presses again.
    virtual bool isMenu() const { return false; }
    // Whether nothing is in play, so that the pads may be looked for again
    // (which restarts SDL's joystick subsystem).
    virtual bool mayRestartPads() const { return false; }
};

#endif
