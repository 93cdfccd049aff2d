#ifndef TRUCEWARD_PEOPLE_PLAYERCONTROLLED_H
#define TRUCEWARD_PEOPLE_PLAYERCONTROLLED_H

#include "people/PersonBehaviour.h"

class GamePlay;

// The one person the player steers, up and down the centre line. It carries a
// brick for each wall, lays one at its height with a key and fetches a new one
// with the same key at either end of the line (y >= 628 or y <= 76). The more
// it carries, the slower it moves: 8 units per frame, 6 with one brick, 4 with
// two. It never changes its role.
class PlayerControlled : public PersonBehaviour {
  public:
    explicit PlayerControlled(GamePlay* gamePlay);

    // The up arrow went down (true) or up (false); either way down is let go.
    // Returns whether that changed what is held.
    bool up(bool held);
    // The down arrow went down or up; either way up is let go. Returns
    // whether that changed what is held.
    bool down(bool held);
    // With a left brick: lays it in the left wall at the person's height (no
    // check for a brick already there); the brick is given up on the next
    // tick. Without one, picks one up at either end of the line. Returns
    // whether a brick was laid or picked up.
    bool leftBrick();
    // The same for the right wall.
    bool rightBrick();

    // Remembers the height for the trail, then moves by the speed of the load
    // carried. The test is made before the step, so the last step may end up
    // to 8 units outside 0 .. 704, and the next one is refused.
    void tick() override;
    // A fading trail when moving faster than with two bricks, the figure, and
    // the bricks it carries.
    void draw() override;
    void aBirthInTheFamily() override;
    void aDeathInTheFamily() override;
    void familyMemberSaved() override;

    bool upHeld;
    bool downHeld;
    bool leftBrickLaid;
    bool rightBrickLaid;
    bool hasLeftBrick;
    bool hasRightBrick;
    // The person's y at the start of the latest tick and the two before it.
    float trailY1;
    float trailY2;
    float trailY3;
    float speed;
    GamePlay* gamePlay;

  private:
    // Lays the carried brick of one wall, or picks one up at an end of the
    // line; whether it did either.
    bool brickKey(bool side, bool& hasBrick, bool& brickLaid);
};

#endif
