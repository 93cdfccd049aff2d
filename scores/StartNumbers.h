#ifndef TRUCEWARD_SCORES_STARTNUMBERS_H
#define TRUCEWARD_SCORES_STARTNUMBERS_H

// The four numbers a battle starts with, chosen on the title screen: they set
// the battle up and key its score in the high score table.
struct StartNumbers {
    int leftCivilians = 0;
    int leftFighters = 0;
    int rightCivilians = 0;
    int rightFighters = 0;

    bool operator==(const StartNumbers& other) const {
        return leftCivilians == other.leftCivilians && leftFighters == other.leftFighters &&
               rightCivilians == other.rightCivilians && rightFighters == other.rightFighters;
    }
};

#endif
