#ifndef TRUCEWARD_BATTLE_SCRIPTEDPLAYER_H
#define TRUCEWARD_BATTLE_SCRIPTEDPLAYER_H

#include <SDL.h>

#include <vector>

class GamePlay;

// A player made of code, for scenes that show the battle being played (HOW TO
// PLAY, the demonstration): before each step it looks at the field and
// presses the battle's own keys, as a careful player would. It lays a brick
// in the way of every bullet it can stop that would hit its person, walks to
// the height of the bullet that reaches a wall first and can still be
// stopped, keeps out of the way of the bullets it cannot stop, and fetches
// new bricks at the nearer pile when there is nothing to stop. Everything it
// does goes through GamePlay::keyDown and keyUp, the way a player's keys go.
class ScriptedPlayer {
  public:
    // The keys for the battle's next step.
    void play(GamePlay& battle);

  private:
    // The heights at which a bullet that cannot be stopped would hit the person.
    struct Lane {
        float from;
        float to;
        bool holds(float y) const { return y > from && y < to; }
    };

    // Holds the arrow that walks towards `y`, or neither once there, or when
    // the next step would enter a lane the person is not in already.
    void walkTo(GamePlay& battle, float y, const std::vector<Lane>& lanes);
    void hold(GamePlay& battle, SDLKey key, bool& held, bool down);

    bool upHeld = false;
    bool downHeld = false;
};

#endif
