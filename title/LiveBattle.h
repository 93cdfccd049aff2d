#ifndef TRUCEWARD_TITLE_LIVEBATTLE_H
#define TRUCEWARD_TITLE_LIVEBATTLE_H

#include <cstdint>

#include "battle/ScriptedPlayer.h"

class Application;
class GamePlay;

// A small battle that plays itself in a box of the screen, drawn by the
// battle's own code: a ScriptedPlayer walks the centre line and lays bricks
// that stop bullets. When a war is over, the player's person has fallen, or a
// battle has gone on for a while, the next one begins, from the next of a
// fixed row of seeds (so the scene is the same each time it is shown). Its
// sounds are played quieter than the player's own battles. Needs the OpenGL
// context; the battle resets the game counters, so it may only play while no
// battle of the player's is waiting to be filed (on the title's screens).
class LiveBattle {
  public:
    explicit LiveBattle(Application* application);
    LiveBattle(const LiveBattle&) = delete;
    LiveBattle& operator=(const LiveBattle&) = delete;
    ~LiveBattle();

    // One step of the battle, drawn into the box whose lower-left corner is
    // at logical (left, bottom) and which is `width` logical units wide (and
    // three quarters of that high, the field's shape).
    void draw(float left, float bottom, float width);

    GamePlay* battle = nullptr;

  private:
    void begin();

    Application* application;
    ScriptedPlayer player;
    std::uint32_t seed;
    // Frames since this battle began, and since its end was in sight.
    int frames = 0;
    int framesEnding = 0;
};

#endif
