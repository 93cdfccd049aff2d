// Where the player's input enters the battle: the keys and the pad's buttons
// of a live battle, turned into the battle's input, recorded as they are
// taken; and the replay's controls while the battle is watched.
#include "battle/GamePlay.h"

#include "app/Application.h"
#include "app/SyntheticKey.h"
#include "people/PlayerControlled.h"
#include "replay/Replay.h"
#include "replay/ReplayViewer.h"
#include "scores/GameCounter.h"

void GamePlay::focusLost() {
    paused = true;
}

void GamePlay::keyDown(const SDL_keysym& key) {
    if (viewer != nullptr) {
        // May leave: this object is gone once the call returns.
        viewer->keyDown(key);
        return;
    }
    if (key.sym == SDLK_p) {
        paused = !paused;
        return;
    }
    if (key.sym == SDLK_ESCAPE) {
        leave(BattleInput::LeaveWithEscape);
        return;
    }
    if (key.sym == SDLK_SPACE) {
        leave(BattleInput::LeaveWithSpace);
        return;
    }
    // Nothing of the battle may move while it is paused.
    if (paused) {
        return;
    }
    switch (key.sym) {
        case SDLK_z:
            input(BattleInput::LeftBrick);
            break;
        case SDLK_x:
            input(BattleInput::RightBrick);
            break;
        case SDLK_UP:
            input(BattleInput::UpPressed);
            break;
        case SDLK_DOWN:
            input(BattleInput::DownPressed);
            break;
        default:
            break;
    }
}

void GamePlay::leave(BattleInput how) {
    if (!input(how)) {
        return;
    }
    application->lastBattle = std::move(recording);
    application->nextState();
}

bool GamePlay::input(BattleInput input) {
    if (!take(input)) {
        return false;
    }
    if (recording != nullptr) {
        recording->add(steps, input);
    }
    return true;
}

bool GamePlay::take(BattleInput input) {
    if (input == BattleInput::LeaveWithEscape) {
        return true;
    }
    if (input == BattleInput::LeaveWithSpace) {
        if (warOver) {
            GameCounter::getInstance()->incrementCount(GameCounter::kTime, static_cast<int>(time));
        }
        return warOver;
    }
    if (player == nullptr) {
        return false;
    }
    switch (input) {
        case BattleInput::UpPressed:
        case BattleInput::UpReleased:
            return player->up(input == BattleInput::UpPressed);
        case BattleInput::DownPressed:
        case BattleInput::DownReleased:
            return player->down(input == BattleInput::DownPressed);
        case BattleInput::LeftBrick:
            return player->leftBrick();
        case BattleInput::RightBrick:
            return player->rightBrick();
        default:
            return false;
    }
}

void GamePlay::padButton(PadButton button, bool down) {
    if (!down) {
        return;
    }
    switch (button) {
        case PadA:
            keyDown(syntheticKey(SDLK_z));
            break;
        case PadB:
            keyDown(syntheticKey(SDLK_x));
            break;
        case PadStart:
            // A watched battle is left with Back alone.
            keyDown(syntheticKey(warOver && viewer == nullptr ? SDLK_SPACE : SDLK_p));
            break;
        case PadBack:
            // Leaves: this object is gone once the call returns.
            keyDown(syntheticKey(SDLK_ESCAPE));
            break;
        default:
            break;
    }
}

void GamePlay::mouseButton(bool down, float /*x*/, float /*y*/) {
    if (viewer != nullptr && down) {
        // May leave: this object is gone once the call returns.
        viewer->click();
    }
}

void GamePlay::keyUp(const SDL_keysym& key) {
    if (viewer != nullptr) {
        return;
    }
    if (key.sym == SDLK_UP) {
        input(BattleInput::UpReleased);
    } else if (key.sym == SDLK_DOWN) {
        input(BattleInput::DownReleased);
    }
}
