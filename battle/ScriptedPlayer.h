#ifndef TRUCEWARD_BATTLE_SCRIPTEDPLAYER_H
#define TRUCEWARD_BATTLE_SCRIPTEDPLAYER_H

#include <SDL.h>

class GamePlay;

// A player made of code, for scenes that show the battle being played: before
// each step it looks at the field and presses the battle's own keys, as a
// careful player would. It walks to the height of the bullet that reaches a
// wall first and can still be stopped, lays a brick in its way, and fetches
// new bricks at the nearer pile when there is nothing to stop. Everything it
// does goes through GamePlay::keyDown and keyUp, the way a player's keys go.
class ScriptedPlayer {
  public:
    // The keys for the battle's next step.
    void play(GamePlay& battle);

  private:
    // Holds the arrow that walks towards `y`, or neither once there.
    void walkTo(GamePlay& battle, float y);
    void hold(GamePlay& battle, SDLKey key, bool& held, bool down);

    bool upHeld = false;
    bool downHeld = false;
};

#endif
