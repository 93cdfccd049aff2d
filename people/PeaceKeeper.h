#ifndef TRUCEWARD_PEOPLE_PEACEKEEPER_H
#define TRUCEWARD_PEOPLE_PEACEKEEPER_H

#include "people/PersonBehaviour.h"

class GamePlay;
class Random;

// Somebody who has turned against the war: walks to the centre line (x 480),
// fetches a brick for each wall at the top or bottom edge, and lays them at
// the height of bullets in flight, or on a timer while none flies. A death in
// the family may make it give up and become a civilian of its person's side.
class PeaceKeeper : public PersonBehaviour {
  public:
    // Draws nothing.
    PeaceKeeper(GamePlay* gamePlay, Random* random);

    // Three modes follow from the bricks carried and the bullets in flight:
    // fetching (no brick), patrolling (no bullet) and intercepting.
    void tick() override;
    void draw() override;
    void aBirthInTheFamily() override;
    // One draw; above the threshold for the relatives left, a Civilian of the
    // person's side takes over ("Became Civilian" -1).
    void aDeathInTheFamily() override;
    // A peace keeper stays one.
    void familyMemberSaved() override;

    bool hasLeftBrick;
    bool hasRightBrick;
    bool patrolUp;
    int brickTimer;
    GamePlay* gamePlay;
    Random* random;

  private:
    // Lays each carried brick whose wall holds none at exactly `height`.
    void layBricks(float height);
};

#endif
