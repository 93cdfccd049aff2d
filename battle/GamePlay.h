#ifndef TRUCEWARD_BATTLE_GAMEPLAY_H
#define TRUCEWARD_BATTLE_GAMEPLAY_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/GameState.h"
#include "audio/Sounds.h"
#include "battle/PeopleByHeight.h"
#include "graphics/BackdropCache.h"
#include "graphics/TextDrawer.h"
#include "people/Random.h"
#include "replay/BattleInput.h"
#include "scores/CounterNotification.h"
#include "scores/StartNumbers.h"

class Application;
class Bullet;
class Ghost;
class Person;
class PlayerControlled;
class Effect;
class Replay;
class ReplayViewer;

// The battle: two sides of civilians and fighters, the player's person on the
// centre line, two brick walls in the middle and everything in flight.
//
// The field is 1024 x 768 units, y up. A side is a bool: false left, true right.
// Each draw() is one step of the war: update(), render(), cleanUp(). P pauses
// the battle and P resumes it; losing the input focus pauses it too. A paused
// battle takes no step at all (so a replay with pauses is the same battle) and
// shows its last scene darkened, with "paused" and "-p to go on-". The war is
// over when the counter "Fighter" comes back to its baseline of 1 (no fighter
// left); Space then records its length as "Time" and leaves, Escape leaves at
// any time without it. The whole battle replays exactly from its seed.
//
// The player's person is drawn above everybody, with a marker nobody else
// has. Once it has fallen the battle goes on without it, and "you fell" stays
// on the field until the end of the war is told in its place. A battle that
// shows the hint tells which keys lay bricks, in a line at the top or the
// bottom, whichever is away from the player's person, until it lays one. The
// pause lists the battle's controls.
//
// The player's input enters the battle at one place, input(), which records
// it: a replay feeds its input back in at the same place (ReplayFeed), so a
// replayed battle cannot take another path than the live one. Watched from a
// replay (see ReplayViewer) the battle screen takes its input from the file;
// the keys then only change the replay's speed, pause it and leave it.
class GamePlay : public GameState, public CounterNotification {
  public:
    // The battle's rules, as replays record them: a change that makes any
    // battle play otherwise than before (tests/display/reference's history
    // changes) must raise it, so that older replays are refused, not
    // replayed wrongly.
    static constexpr int kRulesVersion = 1;

    // Seeded with the time in whole seconds.
    GamePlay(Application* application, const StartNumbers& numbers);
    // Resets the counters, places the player's person and both populations
    // (drawing x, y and then the behaviour's own values, person by person) and
    // links families within each side of more than five people, and starts
    // recording. Needs no OpenGL context until it draws; `application` is
    // only used to leave.
    GamePlay(Application* application, const StartNumbers& numbers, std::uint32_t seed);
    // The battle of `replay`, watched: set up from its numbers and seed, fed
    // its input, shown with the replay's controls (ReplayViewer). The replay
    // must be one ReplayFile accepts.
    GamePlay(Application* application, std::unique_ptr<Replay> replay);
    // Unregisters from "Fighter" first, so that the fighters deleted here
    // cannot end a war that is being torn down; leaves the counters as they are.
    ~GamePlay() override;

    // One frame: update(), render(), cleanUp(); paused, only the scene as it
    // stands, darkened, with the pause's two lines. Watched, the viewer's frame.
    void draw() override;
    // P pauses and resumes. Escape leaves; Space leaves a finished war,
    // recording "Time"; either hands the recording to the application.
    // Otherwise, unless paused, z, x and the arrows reach the player's person
    // while it lives. Watched, the viewer takes the keys.
    void keyDown(const SDL_keysym& key) override;
    // Releasing an arrow reaches the player's person while it lives.
    void keyUp(const SDL_keysym& key) override;
    // Only a watched battle takes a click (see ReplayViewer::click).
    void mouseButton(bool down, float x, float y) override;
    // The window lost the input focus or was minimised: pauses.
    void focusLost() override;
    // A pad's buttons as keys: A is z and B is x, Start is P (Space once the
    // war is over), Back is Escape.
    void padButton(PadButton button, bool down) override;
    // Only a paused battle lets the pads be looked for.
    bool mayRestartPads() const override { return paused; }
    // "Fighter" back at 1: the last fighter is gone and the war is over.
    void countReached(const std::string& name, int count) override;

    // The player's input enters the battle here, and nowhere else: the
    // arrows and brick keys reach the player's person while it lives; Space
    // leaves a finished war, adding its length to "Time"; Escape leaves.
    // Returns whether the battle took it: an arrow that changes what is held,
    // a brick laid or picked up, a leave. What it takes is recorded, after as
    // many steps as have been taken. Leaving destroys nothing: the caller
    // goes on to the next screen.
    bool input(BattleInput input);
    // Plays an effect, unless the battle is silent.
    void playSound(Sounds::SoundType type, float x);
    // The scene as it stands, stepping nothing; and the same darkened, with
    // the pause's two lines.
    void drawStill();
    void drawPaused();

    // The frame's simulation: counts the war's length, ticks everybody (also
    // after the war) and, while the war lasts, ticks the bullets, lights the
    // alert of everybody in a line of fire and runs the collision detection.
    void update();
    // The frame's picture, back to front: scenery, people (the player's person
    // last, with its marker), ghosts, bullets (only during the war), flashes,
    // puffs, texts, and the player's ghost while it fades. Advances alert
    // circles and effects, as drawing them does.
    void render();
    // What render() does to the battle's state, drawing nothing: a battle run
    // with update(), advanceUnseen() and cleanUp() evolves exactly as one drawn.
    void advanceUnseen();
    // Deletes the flashes, puffs and ghosts that have run out.
    void cleanUp();
    // The field with nobody on it: grass, mounds, brick piles and walls.
    void drawScenery();

    // A fighter fires: a bullet and its muzzle flash.
    void addBullet(bool side, float y);
    // A brick at height y in the side's wall; no check, any number per height.
    void addBrick(bool side, float y);
    // Whether the side's wall holds a brick at exactly height y.
    bool testBrick(bool side, float y) const;
    // The first person in `people` in the line of fire of that bullet, or null.
    Person* savedByBrick(int bulletIndex);
    // Bullets out of the field go; bricks stop bullets (first laid first, left
    // wall before right) and save the person in the line of fire; bullets kill
    // the first person in `people` whose body they touch.
    void collisionDetection();

    // Level with the bullet's height (|(bullet y - 16) - person y| < 8) and
    // ahead of it.
    static bool inLineOfFire(const Bullet& bullet, const Person& person);
    // "score " and the score.
    std::string scoreText() const;

    // Owned. Entry 0 is the player's person, then the left civilians, left
    // fighters, right civilians and right fighters; the dead leave the list.
    std::vector<Person*> people;
    // Owned by its person; null once that person is dead.
    PlayerControlled* player;
    // Brick heights in laying order.
    std::vector<float> leftBricks;
    std::vector<float> rightBricks;
    // Owned, in the order they came.
    std::vector<Bullet*> bullets;
    // Muzzle flashes and smoke puffs: every flash is drawn before every puff.
    std::vector<Effect*> shotBangs;
    std::vector<Effect*> smokePffs;
    std::vector<Ghost*> ghosts;
    // The ghost of the player's person while it fades, drawn above all; not
    // owned (it is one of `ghosts`).
    Ghost* playerGhost = nullptr;
    StartNumbers numbers;
    bool warOver;
    // Set by P or by losing the focus; cleared only by P.
    bool paused = false;
    // Whether the line telling which keys lay bricks is shown: set by the
    // application for a battle of a player who has never laid a brick, and
    // cleared once the player's person lays its first.
    bool showsHint = false;
    Random random;
    TextDrawer textDrawer;
    Application* application;
    // Frames drawn while the war lasted.
    float time;
    // update()s taken: the step that input coming now is recorded after.
    std::uint32_t steps = 0;
    // Plays no sound effect: a battle nobody hears (one checked from a file).
    bool silent = false;
    // The battle as a replay, while a live battle records itself; the
    // application takes it when the battle is left.
    std::unique_ptr<Replay> recording;
    // The replay's controls while the battle is watched; null in a live one.
    std::unique_ptr<ReplayViewer> viewer;

  private:
    void populate();
    // What input() does to the battle; whether it took it.
    bool take(BattleInput input);
    // Leaves the battle that way, if it takes it, handing the recording over.
    void leave(BattleInput how);
    // One pass per person of the side starting at `first`, each picking
    // relatives from the same side until it has at least a drawn number.
    void formFamilies(int first, int count);
    // A draw times `bound`, truncated, kept inside 0 .. bound - 1 (a draw can
    // be exactly 1).
    int pickBelow(int bound);
    // Whether a brick of the side's wall stopped bullet i (which is then gone).
    bool stopAtWall(int bulletIndex, bool side);
    // Whether bullet k killed somebody (the bullet is then gone).
    bool killWith(int bulletIndex);
    // Lights the alert of everybody in a bullet's line of fire; the people's
    // index must be current.
    void markThreatened();
    // collisionDetection() on a current index of the people.
    void detectCollisions();
    void removeBullet(int bulletIndex);
    void drawTexts();
    // The frame's picture; with `step` false every part shows as it stands.
    void drawScene(bool step);
    // Everybody, the player's person last and marked as its own.
    void drawPeople(bool step);
    // The ghosts, but for the player's, which drawFallenPlayer() draws.
    void drawGhosts(bool step);
    // The player's ghost, marked, above everything else.
    void drawFallenPlayer(bool step);
    void drawPause();
    // The hint, where it leaves the player's person clear.
    void drawHint();
    // The first brick laid ends the hint, for good.
    void noticeFirstBrick();
    // A line centred across the window, its bottom at y (window pixels).
    void drawCentred(const std::string& text, float y, float size);

    // The field up to the walls, drawn once.
    BackdropCache backdrop;
    // `people` by height, for the bullets' tests; rebuilt before each frame's
    // tests.
    PeopleByHeight peopleByHeight;
};

#endif
