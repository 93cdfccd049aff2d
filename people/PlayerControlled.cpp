#include "people/PlayerControlled.h"

#include "battle/Field.h"
#include "battle/GamePlay.h"
#include "graphics/ImageDrawer.h"
#include "people/Person.h"

namespace {

constexpr float kUnloadedSpeed = 8.0f;
constexpr float kOneBrickSpeed = 6.0f;
// The second brick slows down by as much again.
constexpr float kBrickBurden = 2.0f;
// With two bricks (speed 4) there is no trail.
constexpr float kTrailSpeed = 4.0f;
// Faster than this the trail reaches back three ticks, else two.
constexpr float kLongTrailSpeed = 6.0f;
constexpr int kTrailImages = 7;
constexpr float kTrailStep = 0.125f;
constexpr float kTrailFade = 0.25f;

constexpr float kTopPickUp = 628.0f;
constexpr float kBottomPickUp = 76.0f;

}  // namespace

PlayerControlled::PlayerControlled(GamePlay* gamePlay)
    : upHeld(false),
      downHeld(false),
      leftBrickLaid(false),
      rightBrickLaid(false),
      hasLeftBrick(true),
      hasRightBrick(true),
      trailY1(0.0f),
      trailY2(0.0f),
      trailY3(0.0f),
      speed(kUnloadedSpeed),
      gamePlay(gamePlay) {}

bool PlayerControlled::up(bool held) {
    const bool changes = upHeld != held || downHeld;
    upHeld = held;
    downHeld = false;
    return changes;
}

bool PlayerControlled::down(bool held) {
    const bool changes = downHeld != held || upHeld;
    downHeld = held;
    upHeld = false;
    return changes;
}

bool PlayerControlled::leftBrick() {
    return brickKey(false, hasLeftBrick, leftBrickLaid);
}

bool PlayerControlled::rightBrick() {
    return brickKey(true, hasRightBrick, rightBrickLaid);
}

bool PlayerControlled::brickKey(bool side, bool& hasBrick, bool& brickLaid) {
    const float y = person->y;
    if (hasBrick) {
        brickLaid = true;
        gamePlay->addBrick(side, y);
        return true;
    }
    if (y >= kTopPickUp || y <= kBottomPickUp) {
        hasBrick = true;
        return true;
    }
    return false;
}

void PlayerControlled::tick() {
    const float y = person->y;
    trailY3 = trailY2;
    trailY2 = trailY1;
    trailY1 = y;

    speed = kUnloadedSpeed;
    if (hasLeftBrick) {
        speed = kOneBrickSpeed;
    }
    if (hasRightBrick) {
        speed -= kBrickBurden;
    }

    if (upHeld && !downHeld) {
        if (y + Field::kSpriteSize < Field::kHeight) {
            person->setPosition(person->x, y + speed);
        }
    } else if (downHeld && !upHeld) {
        if (y > Field::kBottom) {
            person->setPosition(person->x, y - speed);
        }
    }

    if (hasLeftBrick && leftBrickLaid) {
        hasLeftBrick = false;
        leftBrickLaid = false;
    }
    if (hasRightBrick && rightBrickLaid) {
        hasRightBrick = false;
        rightBrickLaid = false;
    }
}

void PlayerControlled::draw() {
    ImageDrawer* drawer = ImageDrawer::getInstance();
    const float x = person->x;
    const float y = person->y;
    if (speed > kTrailSpeed && trailY3 != y) {
        const float from = speed > kLongTrailSpeed ? trailY3 : trailY2;
        for (int i = 0; i < kTrailImages; ++i) {
            const float t = static_cast<float>(i) * kTrailStep;
            drawer->drawImage(ImageDrawer::ImageGuy, x, (1.0f - t) * from + t * y, 1.0f, 1.0f, 1.0f,
                              1.0f, 1.0f, t * kTrailFade);
        }
    }
    drawCarrying(hasLeftBrick, hasRightBrick);
}

void PlayerControlled::aBirthInTheFamily() {}

void PlayerControlled::aDeathInTheFamily() {}

void PlayerControlled::familyMemberSaved() {}
