#include "people/PersonBehaviour.h"

#include "graphics/ImageDrawer.h"
#include "people/Person.h"
#include "people/RoleChange.h"
#include "scores/GameCounter.h"

namespace {

constexpr float kThresholdWithFamily = 0.9f;    // two relatives or more left
constexpr float kThresholdOneRelative = 0.95f;  // exactly one left
constexpr float kThresholdAlone = 0.5f;         // nobody left

// Carried bricks show small, on either side of the figure's centre line.
constexpr float kCarriedOffsetX = 14.0f;
constexpr float kCarriedOffsetY = 21.0f;
constexpr float kCarriedScale = 0.625f;

// Frames an alert of a change of role lasts at full strength.
constexpr int kRoleChangeAlert = 120;

}  // namespace

float PersonBehaviour::deathThreshold(std::size_t familyLeft) {
    if (familyLeft >= 2) {
        return kThresholdWithFamily;
    }
    return familyLeft == 1 ? kThresholdOneRelative : kThresholdAlone;
}

void PersonBehaviour::changeRole(PersonBehaviour* next, const RoleChange& change) {
    // This behaviour is destroyed by the hand-over: only locals from then on.
    Person* owner = person;
    if (change.alert != nullptr) {
        owner->raiseAlert(*change.alert, kRoleChangeAlert);
    }
    owner->setBehaviour(next);
    if (change.counter != nullptr) {
        GameCounter::getInstance()->incrementCount(change.counter, change.points);
    }
}

void PersonBehaviour::drawCarrying(bool leftBrick, bool rightBrick) const {
    ImageDrawer* drawer = ImageDrawer::getInstance();
    const float x = person->x;
    const float y = person->y;
    drawer->drawImage(ImageDrawer::ImageGuy, x, y, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    if (leftBrick) {
        drawer->drawImage(ImageDrawer::ImageBrick, x - kCarriedOffsetX, y + kCarriedOffsetY,
                          kCarriedScale, kCarriedScale, 1.0f, 1.0f, 1.0f, 1.0f);
    }
    if (rightBrick) {
        drawer->drawImage(ImageDrawer::ImageBrick, x + kCarriedOffsetX, y + kCarriedOffsetY,
                          kCarriedScale, kCarriedScale, 1.0f, 1.0f, 1.0f, 1.0f);
    }
}
