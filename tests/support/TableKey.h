#ifndef TRUCEWARD_TESTS_SUPPORT_TABLEKEY_H
#define TRUCEWARD_TESTS_SUPPORT_TABLEKEY_H

#include "scores/StartNumbers.h"

// Start numbers given in the order the high score file keeps them: left
// civilians, right civilians, left fighters, right fighters.
inline StartNumbers tableKey(int leftCivilians, int rightCivilians, int leftFighters,
                             int rightFighters) {
    return {leftCivilians, leftFighters, rightCivilians, rightFighters};
}

#endif
