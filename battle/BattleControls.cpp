#include "battle/BattleControls.h"

#include "app/Translation.h"

namespace {

// Keys stand right-aligned in a column; what they do stands beside them, on
// one line in the pause and on up to two on the HOW TO PLAY page.
const std::vector<BattleControls::Control> kKeyboard = {
    // TRANSLATORS: a key: fits 200 at 20
    {noTr("key", "up, down"),
     // TRANSLATORS: what keys do: fits 630 at 20; wraps 540 at 20 in 2 lines
     noTr("walk along the centre line")},
    // TRANSLATORS: a key: fits 200 at 20
    {noTr("key", "z"),
     // TRANSLATORS: what a key does: fits 630 at 20; wraps 540 at 20 in 2 lines
     noTr("lay a brick in the left wall")},
    // TRANSLATORS: a key: fits 200 at 20
    {noTr("key", "x"),
     // TRANSLATORS: what a key does: fits 630 at 20; wraps 540 at 20 in 2 lines
     noTr("lay a brick in the right wall")},
    // TRANSLATORS: keys: fits 200 at 20
    {noTr("key", "z, x at a pile"),
     // TRANSLATORS: what keys do: fits 630 at 20; wraps 540 at 20 in 2 lines
     noTr("fetch a new brick")},
    // TRANSLATORS: a key: fits 200 at 20
    {noTr("key", "p"),
     // TRANSLATORS: what a key does: fits 630 at 20; wraps 540 at 20 in 2 lines
     noTr("pause, and go on")},
    // TRANSLATORS: a key: fits 200 at 20
    {noTr("key", "space"),
     // TRANSLATORS: what a key does: fits 630 at 20; wraps 540 at 20 in 2 lines
     noTr("after the war: leave it and file the score")},
    // TRANSLATORS: a key: fits 200 at 20
    {noTr("key", "esc"),
     // TRANSLATORS: what a key does: fits 630 at 20; wraps 540 at 20 in 2 lines
     noTr("leave the battle")},
};

const std::vector<BattleControls::Control> kPad = {
    // TRANSLATORS: a pad's button: fits 200 at 20
    {noTr("key", "d-pad"), noTr("walk along the centre line")},
    // TRANSLATORS: a pad's button: fits 200 at 20
    {noTr("key", "a"), noTr("lay a brick in the left wall")},
    // TRANSLATORS: a pad's button: fits 200 at 20
    {noTr("key", "b"), noTr("lay a brick in the right wall")},
    // TRANSLATORS: a pad's buttons: fits 200 at 20
    {noTr("key", "a, b at a pile"), noTr("fetch a new brick")},
    // TRANSLATORS: a pad's button: fits 200 at 20
    {noTr("key", "start"), noTr("pause, and go on")},
    {noTr("key", "start"), noTr("after the war: leave it and file the score")},
    // TRANSLATORS: a pad's button: fits 200 at 20
    {noTr("key", "back"), noTr("leave the battle")},
};

const std::vector<BattleControls::Control> kWatchingKeyboard = {
    // TRANSLATORS: keys: fits 200 at 20
    {noTr("key", "left, right"),
     // TRANSLATORS: what keys do: fits 630 at 20
     noTr("slower, faster")},
    {noTr("key", "p"), noTr("pause, and go on")},
    {noTr("key", "esc"),
     // TRANSLATORS: what a key does: fits 630 at 20
     noTr("leave the replay")},
};

const std::vector<BattleControls::Control> kWatchingPad = {
    {noTr("key", "d-pad"), noTr("slower, faster")},
    {noTr("key", "start"), noTr("pause, and go on")},
    {noTr("key", "back"), noTr("leave the replay")},
};

}  // namespace

const std::vector<BattleControls::Control>& BattleControls::all(bool pad) {
    return pad ? kPad : kKeyboard;
}

const std::vector<BattleControls::Control>& BattleControls::watching(bool pad) {
    return pad ? kWatchingPad : kWatchingKeyboard;
}

const char* BattleControls::brickHint(bool pad) {
    if (pad) {
        // TRANSLATORS: fits 1000 at 22
        return noTr("a lays a brick in the left wall, b in the right");
    }
    // TRANSLATORS: fits 1000 at 22
    return noTr("z lays a brick in the left wall, x in the right");
}
