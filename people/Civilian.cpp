#include "people/Civilian.h"

#include <cmath>

#include "battle/Field.h"
#include "graphics/ImageDrawer.h"
#include "people/Fighter.h"
#include "people/PeaceKeeper.h"
#include "people/Person.h"
#include "people/Random.h"
#include "people/RoleChange.h"

namespace {

// A draw minus this is a signed speed in -0.5 .. 0.5.
constexpr float kSpeedCentre = 0.5f;
// New targets come every 0 .. 32 frames.
constexpr float kWanderFrames = 32.0f;
// Each frame the speeds close 1/128 of the gap to their targets, and snap to
// them once closer than this.
constexpr float kEasing = 0.0078125f;
constexpr float kSnap = 0.01f;
// The position moves by twice the speed per frame.
constexpr float kStride = 2.0f;
// A new inward target after a bound is a draw times this.
constexpr float kInwardSpeed = 0.5f;

constexpr float kSavedThreshold = 0.95f;

// Eases one speed towards its target; a speed within reach snaps onto it.
void ease(float& speed, float target) {
    speed += (target - speed) * kEasing;
    if (std::fabs(target - speed) < kSnap) {
        speed = target;
    }
}

}  // namespace

Civilian::Civilian(Random* random, GamePlay* gamePlay, bool side)
    : random(random), gamePlay(gamePlay), side(side) {
    speedX = random->nextFloat() - kSpeedCentre;
    speedY = random->nextFloat() - kSpeedCentre;
    targetSpeedX = random->nextFloat() - kSpeedCentre;
    targetSpeedY = random->nextFloat() - kSpeedCentre;
    wanderTimer = static_cast<int>(random->nextFloat() * kWanderFrames);
}

void Civilian::tick() {
    const float x = person->x;
    const float y = person->y;
    const float stripMin = side ? Field::kRightStripMin : Field::kLeftStripMin;
    const float stripMax = side ? Field::kRightStripMax : Field::kLeftStripMax;

    if (wanderTimer == 0) {
        targetSpeedX = random->nextFloat() - kSpeedCentre;
        targetSpeedY = random->nextFloat() - kSpeedCentre;
        wanderTimer = static_cast<int>(random->nextFloat() * kWanderFrames);
    } else {
        --wanderTimer;
    }

    if (speedX != targetSpeedX || speedY != targetSpeedY) {
        ease(speedX, targetSpeedX);
        ease(speedY, targetSpeedY);
    }

    float newX = x + kStride * speedX;
    float newY = y + kStride * speedY;

    // Only the targets turn at a bound, so the person leans on it for a while.
    if (newX <= stripMin) {
        newX = stripMin;
        targetSpeedY = -targetSpeedY;
        targetSpeedX = random->nextFloat() * kInwardSpeed;
    } else if (newX >= stripMax - Field::kSpriteSize) {
        newX = stripMax - Field::kSpriteSize;
        targetSpeedY = -targetSpeedY;
        targetSpeedX = random->nextFloat() * -kInwardSpeed;
    }
    if (newY <= Field::kBottom) {
        newY = Field::kBottom;
        targetSpeedY = random->nextFloat() * kInwardSpeed;
    } else if (newY >= Field::kTop) {
        newY = Field::kTop;
        targetSpeedY = random->nextFloat() * -kInwardSpeed;
    }
    person->setPosition(newX, newY);
}

void Civilian::draw() {
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageGuy, person->x, person->y, 1.0f, 1.0f,
                                          1.0f, 1.0f, 1.0f, 1.0f);
}

void Civilian::aBirthInTheFamily() {}

void Civilian::aDeathInTheFamily() {
    const float draw = random->nextFloat();
    if (!(draw > deathThreshold(person->family.size()))) {
        return;
    }
    changeRole(new Fighter(random, gamePlay, side), RoleChange::kTakesUpArms);
}

void Civilian::familyMemberSaved() {
    if (!(random->nextFloat() > kSavedThreshold)) {
        return;
    }
    changeRole(new PeaceKeeper(gamePlay, random), RoleChange::kBecomesPeaceKeeper);
}
