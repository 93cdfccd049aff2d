#include "battle/ScriptedPlayer.h"

#include <cmath>

#include "app/SyntheticKey.h"
#include "battle/Bullet.h"
#include "battle/Field.h"
#include "battle/GamePlay.h"
#include "people/Person.h"
#include "people/PlayerControlled.h"

namespace {

// Where a bullet meets each wall: the near edge of a brick's upright part
// (see GamePlay's brick box), and how fast it flies.
constexpr float kLeftWallFront = Field::kLeftWallX + 20.0f;
constexpr float kRightWallFront = Field::kRightWallX + 44.0f;
constexpr float kBulletSpeed = 4.0f;
// A brick laid at height h stops the bullets flying at heights h - 13 to
// h + 44 (the bullet's box against the brick's); the person aims at the
// middle and lays it anywhere inside, a few units from either end.
constexpr float kAimBelowBullet = 15.0f;
constexpr float kStopsFrom = -44.0f;
constexpr float kStopsTo = 13.0f;
constexpr float kLayMargin = 4.0f;
// The piles, and where the person stands to fetch a brick there.
constexpr float kTopPile = 628.0f;
constexpr float kBottomPile = 76.0f;
constexpr float kTopFetch = 640.0f;
constexpr float kBottomFetch = 60.0f;
// With nothing to do, the person waits half way up.
constexpr float kRest = 352.0f;

// Whether a brick of that wall already stands in the bullet's way.
bool blocked(const std::vector<float>& wall, const Bullet& bullet) {
    for (const float height : wall) {
        if (bullet.y > height + kStopsFrom && bullet.y < height + kStopsTo) {
            return true;
        }
    }
    return false;
}

// Frames until the bullet reaches its wall; negative once it is past it.
float framesToWall(const Bullet& bullet) {
    return bullet.side ? (bullet.x + Bullet::kHitLeft - kRightWallFront) / kBulletSpeed
                       : (kLeftWallFront - bullet.x - Bullet::kHitRight) / kBulletSpeed;
}

}  // namespace

void ScriptedPlayer::play(GamePlay& battle) {
    if (battle.player == nullptr) {
        return;
    }
    const PlayerControlled& player = *battle.player;
    const float y = player.person->y;
    // The bullet that reaches a wall first, of those a brick can still stop.
    const Bullet* target = nullptr;
    float soonest = 0.0f;
    for (const Bullet* bullet : battle.bullets) {
        const float frames = framesToWall(*bullet);
        const bool hasBrick = bullet->side ? player.hasRightBrick : player.hasLeftBrick;
        const float walk = std::fabs(bullet->y - kAimBelowBullet - y) / player.speed;
        if (frames < 0.0f || !hasBrick || walk > frames ||
            blocked(bullet->side ? battle.rightBricks : battle.leftBricks, *bullet)) {
            continue;
        }
        if (target == nullptr || frames < soonest) {
            target = bullet;
            soonest = frames;
        }
    }
    if (target != nullptr) {
        if (y > target->y + kStopsFrom + kLayMargin && y < target->y + kStopsTo - kLayMargin) {
            walkTo(battle, y);
            battle.keyDown(syntheticKey(target->side ? SDLK_x : SDLK_z));
        } else {
            walkTo(battle, target->y - kAimBelowBullet);
        }
        return;
    }
    if (player.hasLeftBrick && player.hasRightBrick) {
        walkTo(battle, kRest);
        return;
    }
    const bool atPile = y >= kTopPile || y <= kBottomPile;
    if (!atPile) {
        walkTo(battle, y > kRest ? kTopFetch : kBottomFetch);
        return;
    }
    walkTo(battle, y);
    battle.keyDown(syntheticKey(player.hasLeftBrick ? SDLK_x : SDLK_z));
}

void ScriptedPlayer::walkTo(GamePlay& battle, float y) {
    const float from = battle.player->person->y;
    const float step = battle.player->speed;
    const bool up = y > from + step;
    const bool down = y < from - step;
    // Letting go of either arrow stops the person whatever else is held, so
    // the arrow not wanted goes first.
    if (!up) {
        hold(battle, SDLK_UP, upHeld, false);
    }
    if (!down) {
        hold(battle, SDLK_DOWN, downHeld, false);
    }
    hold(battle, SDLK_UP, upHeld, up);
    hold(battle, SDLK_DOWN, downHeld, down);
}

void ScriptedPlayer::hold(GamePlay& battle, SDLKey key, bool& held, bool down) {
    if (held == down) {
        return;
    }
    held = down;
    if (down) {
        battle.keyDown(syntheticKey(key));
    } else {
        battle.keyUp(syntheticKey(key));
    }
}
