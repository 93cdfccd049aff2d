#ifndef TRUCEWARD_PEOPLE_ROLECHANGE_H
#define TRUCEWARD_PEOPLE_ROLECHANGE_H

#include "people/AlertLook.h"

// A change of heart: how the person's circle shows it, and what it adds to
// which game counter. Every role change of the battle is one of these.
struct RoleChange {
    // Null for a change the circle does not show.
    const AlertLook* alert;
    // Null for a change that is not counted.
    const char* counter;
    int points;

    // A civilian takes up arms after a death in the family.
    static const RoleChange kTakesUpArms;
    // A fighter lays down its arms after a rescue in the family...
    static const RoleChange kLaysDownArms;
    // ...or because its fight has run out, which is not counted.
    static const RoleChange kTiresOfFighting;
    // A civilian or a fighter turns peace keeper after a rescue.
    static const RoleChange kBecomesPeaceKeeper;
    // A peace keeper gives up after a death in the family.
    static const RoleChange kGivesUpKeepingPeace;
};

#endif
