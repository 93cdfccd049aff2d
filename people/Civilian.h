#ifndef TRUCEWARD_PEOPLE_CIVILIAN_H
#define TRUCEWARD_PEOPLE_CIVILIAN_H

#include "people/PersonBehaviour.h"

class GamePlay;
class Random;

// An ordinary person drifting about at walking pace inside its side's home
// strip at the outer edge of the field (x 0 .. 96 on the left, 864 .. 960 on
// the right; y 0 .. 704). A death in the family may make it take up arms, a
// rescue may make it a peace keeper.
class Civilian : public PersonBehaviour {
  public:
    // Draws, in this order, speedX, speedY, targetSpeedX, targetSpeedY (each a
    // draw minus 0.5) and wanderTimer (0 .. 32).
    Civilian(Random* random, GamePlay* gamePlay, bool side);

    // Eases the speeds towards targets that change every 0 .. 32 frames and
    // keeps the person inside its strip, turning it inwards at the bounds.
    void tick() override;
    void draw() override;
    void aBirthInTheFamily() override;
    // One draw; above the threshold for the relatives left, a Fighter of the
    // civilian's side takes over ("Became Fighter" -1).
    void aDeathInTheFamily() override;
    // One draw; above 0.95 a PeaceKeeper takes over with a light blue alert
    // ("Became PeaceKeeper" +2).
    void familyMemberSaved() override;

    Random* random;
    GamePlay* gamePlay;
    bool side;
    float speedX;
    float speedY;
    float targetSpeedX;
    float targetSpeedY;
    int wanderTimer;
};

#endif
