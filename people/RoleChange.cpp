#include "people/RoleChange.h"

#include "scores/GameCounter.h"

const RoleChange RoleChange::kTakesUpArms = {nullptr, GameCounter::kBecameFighter, -1};
const RoleChange RoleChange::kLaysDownArms = {&AlertLook::kLaidDownArms,
                                              GameCounter::kBecameCivilian, 1};
const RoleChange RoleChange::kTiresOfFighting = {&AlertLook::kLaidDownArms, nullptr, 0};
const RoleChange RoleChange::kBecomesPeaceKeeper = {&AlertLook::kPeaceKeeper,
                                                    GameCounter::kBecamePeaceKeeper, 2};
const RoleChange RoleChange::kGivesUpKeepingPeace = {nullptr, GameCounter::kBecameCivilian, -1};
