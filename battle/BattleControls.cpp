#include "battle/BattleControls.h"

namespace {

const std::vector<BattleControls::Control> kKeyboard = {
    {"up, down", "walk along the centre line"},
    {"z", "lay a brick in the left wall"},
    {"x", "lay a brick in the right wall"},
    {"z, x at a pile", "fetch a new brick"},
    {"p", "pause, and go on"},
    {"space", "after the war: leave it and file the score"},
    {"esc", "leave the battle"},
};

const std::vector<BattleControls::Control> kPad = {
    {"d-pad", "walk along the centre line"},
    {"a", "lay a brick in the left wall"},
    {"b", "lay a brick in the right wall"},
    {"a, b at a pile", "fetch a new brick"},
    {"start", "pause, and go on"},
    {"start", "after the war: leave it and file the score"},
    {"back", "leave the battle"},
};

const std::vector<BattleControls::Control> kWatchingKeyboard = {
    {"left, right", "slower, faster"},
    {"p", "pause, and go on"},
    {"esc", "leave the replay"},
};

const std::vector<BattleControls::Control> kWatchingPad = {
    {"d-pad", "slower, faster"},
    {"start", "pause, and go on"},
    {"back", "leave the replay"},
};

}  // namespace

const std::vector<BattleControls::Control>& BattleControls::all(bool pad) {
    return pad ? kPad : kKeyboard;
}

const std::vector<BattleControls::Control>& BattleControls::watching(bool pad) {
    return pad ? kWatchingPad : kWatchingKeyboard;
}

const char* BattleControls::brickHint(bool pad) {
    return pad ? "a lays a brick in the left wall, b in the right"
               : "z lays a brick in the left wall, x in the right";
}
