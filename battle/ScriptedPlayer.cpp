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
// h + 44 (the bullet's box against the brick's): the person aims at the
// middle. A bullet at height b hits a person standing at b - 39 to b + 13
// (the bullet's box against the body's), all of which a brick laid there
// stops; the person keeps a few units more out of the way of a bullet it
// cannot stop.
constexpr float kAimBelowBullet = 15.0f;
constexpr float kStopsFrom = -44.0f;
constexpr float kStopsTo = 13.0f;
constexpr float kHitsFrom = -39.0f;
constexpr float kHitsTo = 13.0f;
constexpr float kMargin = 4.0f;
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
    const float bodyLeft = player.person->x + Field::kBodyInsetX;
    const float bodyRight = bodyLeft + Field::kBodyWidth;
    // The bullet that reaches a wall first of those a brick can still stop,
    // the lanes of those it cannot, and the lane the person stands in.
    const Bullet* target = nullptr;
    float soonest = 0.0f;
    std::vector<Lane> lanes;
    const Lane* threat = nullptr;
    for (const Bullet* bullet : battle.bullets) {
        const bool pastThePerson = bullet->side ? bullet->x + Bullet::kHitRight <= bodyLeft
                                                : bullet->x + Bullet::kHitLeft >= bodyRight;
        const float frames = framesToWall(*bullet);
        const std::vector<float>& wall = bullet->side ? battle.rightBricks : battle.leftBricks;
        if (pastThePerson || (frames >= 0.0f && blocked(wall, *bullet))) {
            continue;
        }
        // Past its wall, a bullet can no longer be stopped, only got out of.
        const bool stoppable =
            frames >= 0.0f && (bullet->side ? player.hasRightBrick : player.hasLeftBrick);
        const Lane lane = {bullet->y + kHitsFrom - kMargin, bullet->y + kHitsTo + kMargin};
        if (stoppable && lane.holds(y)) {
            // Wherever the bullet would hit the person, a brick laid there
            // stops it.
            walkTo(battle, y, lanes);
            battle.keyDown(syntheticKey(bullet->side ? SDLK_x : SDLK_z));
            return;
        }
        if (!stoppable) {
            lanes.push_back(lane);
            continue;
        }
        const float walk = std::fabs(bullet->y - kAimBelowBullet - y) / player.speed;
        if (walk <= frames && (target == nullptr || frames < soonest)) {
            target = bullet;
            soonest = frames;
        }
    }
    for (const Lane& lane : lanes) {
        if (lane.holds(y)) {
            threat = &lane;
        }
    }
    if (threat != nullptr) {
        // Out of its way, whichever side is nearer and on the field.
        const bool up = threat->from < Field::kBottom ||
                        (threat->to <= Field::kTop && threat->to - y < y - threat->from);
        walkTo(battle, up ? threat->to + player.speed : threat->from - player.speed, lanes);
        return;
    }
    if (target != nullptr) {
        walkTo(battle, target->y - kAimBelowBullet, lanes);
        return;
    }
    if (player.hasLeftBrick && player.hasRightBrick) {
        walkTo(battle, kRest, lanes);
        return;
    }
    const bool atPile = y >= kTopPile || y <= kBottomPile;
    if (!atPile) {
        walkTo(battle, y > kRest ? kTopFetch : kBottomFetch, lanes);
        return;
    }
    walkTo(battle, y, lanes);
    battle.keyDown(syntheticKey(player.hasLeftBrick ? SDLK_x : SDLK_z));
}

void ScriptedPlayer::walkTo(GamePlay& battle, float y, const std::vector<Lane>& lanes) {
    const float from = battle.player->person->y;
    const float step = battle.player->speed;
    bool up = y > from + step;
    bool down = y < from - step;
    const float next = up ? from + step : from - step;
    for (const Lane& lane : lanes) {
        if ((up || down) && lane.holds(next) && !lane.holds(from)) {
            up = false;
            down = false;
        }
    }
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
