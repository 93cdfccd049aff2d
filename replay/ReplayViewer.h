#ifndef TRUCEWARD_REPLAY_REPLAYVIEWER_H
#define TRUCEWARD_REPLAY_REPLAYVIEWER_H

#include <SDL.h>

#include <memory>
#include <string>

#include "replay/Replay.h"
#include "replay/ReplayFeed.h"

class GamePlay;

// The controls and lines of a battle watched from a replay (the battle
// screen, GamePlay, fed by a file): "replay" and the speed at the top right;
// Left and Right change the speed among x1/4, x1/2, x1, x2, x4 and x8; P
// pauses, as in a live battle (the window's focus lost too); Escape goes on
// to the next screen (Application::nextState). A faster replay takes more
// steps a drawn frame, drawing only the last (the others run unseen: update,
// advanceUnseen, cleanUp); a slower one shows the scene as it stands in the
// frames between its steps. Once the battle has been left as recorded, the
// scene stays with the score the battle reached, the one the title screen
// filed, and Escape leaves.
class ReplayViewer {
  public:
    // How fast a replay plays: `steps` steps every `frames` drawn frames.
    struct Speed {
        int steps;
        int frames;
        const char* name;
    };
    static constexpr int kSpeedCount = 6;
    static const Speed kSpeeds[kSpeedCount];
    static constexpr int kNormalSpeed = 2;

    // Feeds the replay's input into `battle`, which must be its battle,
    // before its first step, and owns the viewer.
    ReplayViewer(std::unique_ptr<Replay> replay, GamePlay& battle);
    ReplayViewer(const ReplayViewer&) = delete;
    ReplayViewer& operator=(const ReplayViewer&) = delete;

    // One frame at the replay's speed, with its lines.
    void drawFrame();
    // Left and Right, P and Escape (which destroys the battle and this).
    void keyDown(const SDL_keysym& key);
    // A click: only a replay that any input leaves takes it, and leaves.
    void click();

    // "replay x2": what the top right shows.
    std::string speedLine() const;
    // Whether the battle has been left as recorded, or could not go on.
    bool over() const;

    // An index into kSpeeds.
    int speed = kNormalSpeed;
    // Played while the title waits: any key, click or pad button leaves at
    // once and does nothing else, and so does the end, once it has been seen.
    bool anyInputLeaves = false;

  private:
    // A step, drawn when `drawn`; the scene as it stands once the replay is over.
    void step(bool drawn);
    void drawLines();

    std::unique_ptr<Replay> replay;
    GamePlay& battle;
    ReplayFeed feed;
    // Frames shown since the last step, at a slower speed.
    int framesWaited = 0;
    // Frames shown since the replay was over.
    int framesOver = 0;
};

#endif
