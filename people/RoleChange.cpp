#include "people/RoleChange.h"

#include "scores/GameCounter.h"

const RoleChange RoleChange::kTakesUpArms = {nullptr, GameCounter::kBecameFighter, -1};
const RoleChange RoleChange::kLaysDownArms = {&AlertColour::kLaidDownArms,
                                              GameCounter::kBecameCivilian, 1};
const RoleChange RoleChange::kTiresOfFighting = {&AlertColour::kLaidDownArms, nullptr, 0};
const RoleChange RoleChange::kBecomesPeaceKeeper = {&AlertColour::kPeaceKeeper,
                                                    GameCounter::kBecamePeaceKeeper, 2};
const RoleChange RoleChange::kGivesUpKeepingPeace = {nullptr, GameCounter::kBecameCivilian, -1};
