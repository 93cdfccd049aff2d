#ifndef TRUCEWARD_PEOPLE_FIGHTER_H
#define TRUCEWARD_PEOPLE_FIGHTER_H

#include "people/PersonBehaviour.h"

class GamePlay;
class Random;

// An armed person: walks to its side's firing line (x 160 on the left, 800 on
// the right), paces up and down along it and fires across the field every 61
// to 301 frames, until its fight timer runs out and it lays down its arms.
// Every living fighter counts 1 in the counter "Fighter".
class Fighter : public PersonBehaviour {
  public:
    // Draws fireTimer (60 .. 300), turnTimer (0 .. 32), goingUp and
    // fightTimer (2000 .. 6000), in this order; then "Fighter" +1.
    Fighter(Random* random, GamePlay* gamePlay, bool side);
    // "Fighter" -1, whether replaced or killed.
    ~Fighter() override;

    // With the fight timer at 0 the fighter becomes a civilian (yellow alert)
    // and does nothing else; otherwise it walks, maybe fires, paces.
    void tick() override;
    void draw() override;
    void aBirthInTheFamily() override;
    // The fight goes on for 0 .. 4000 more frames.
    void aDeathInTheFamily() override;
    // A draw above 0.75 makes it a civilian ("Became Civilian" +1); failing
    // that, a second draw above 0.99 a peace keeper ("Became PeaceKeeper" +2).
    void familyMemberSaved() override;

    Random* random;
    GamePlay* gamePlay;
    bool side;
    bool goingUp;
    int turnTimer;
    int fireTimer;
    int fightTimer;
};

#endif
