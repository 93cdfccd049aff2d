#include "people/PeaceKeeper.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "battle/Bullet.h"
#include "battle/Field.h"
#include "battle/GamePlay.h"
#include "graphics/ImageDrawer.h"
#include "people/Civilian.h"
#include "people/Person.h"
#include "people/Random.h"
#include "people/RoleChange.h"

namespace {

// The sprite is centred on the field's middle (512) here.
constexpr float kStep = 2.0f;
// Within this of the centre line the next step lands on it exactly.
constexpr float kCentreReach = 2.0f;
// Above the middle height it fetches at the top edge, else at the bottom.
constexpr float kMiddleHeight = 384.0f;
constexpr float kTopPickUp = 674.0f;
constexpr float kBottomPickUp = 90.0f;
// A bullet nearer in height than this is met where the keeper stands.
constexpr float kLayReach = 4.0f;

constexpr int kFirstBrickTimer = 32;
// Later attempts come a draw times the spread plus the minimum frames apart.
constexpr float kBrickSpread = 180.0f;
constexpr float kBrickMinimum = 60.0f;

}  // namespace

PeaceKeeper::PeaceKeeper(GamePlay* gamePlay, Random* random)
    : hasLeftBrick(false),
      hasRightBrick(false),
      patrolUp(false),
      brickTimer(kFirstBrickTimer),
      gamePlay(gamePlay),
      random(random) {}

void PeaceKeeper::tick() {
    const float x = person->x;
    const float y = person->y;

    float newX;
    if (x < Field::kCentreLine - kCentreReach) {
        newX = x + kStep;
    } else if (x > Field::kCentreLine + kCentreReach) {
        newX = x - kStep;
    } else {
        newX = Field::kCentreLine;
    }
    float newY = y;

    if (!hasLeftBrick && !hasRightBrick) {
        newY = y <= kMiddleHeight ? y - kStep : y + kStep;
        if (newY < Field::kBottom) {
            newY = Field::kBottom;
        } else if (newY > Field::kTop) {
            newY = Field::kTop;
        }
        if (newX == Field::kCentreLine && (newY > kTopPickUp || newY < kBottomPickUp)) {
            hasLeftBrick = true;
            hasRightBrick = true;
        }
    } else if (gamePlay->bullets.empty()) {
        newY = patrolUp ? y + kStep : y - kStep;
        if (newY < Field::kBottom) {
            patrolUp = true;
        } else if (newY > Field::kTop) {
            patrolUp = false;
        }
        if (brickTimer == 0) {
            layBricks(newY);
            brickTimer = static_cast<int>(random->nextFloat() * kBrickSpread + kBrickMinimum);
        } else {
            --brickTimer;
        }
    } else {
        // The earlier bullet wins a tie: a later one must be strictly nearer.
        const std::vector<Bullet*>& bullets = gamePlay->bullets;
        float nearestY = bullets[0]->y;
        float nearestDistance = std::fabs(nearestY - y);
        for (std::size_t i = 1; i < bullets.size(); ++i) {
            const float distance = std::fabs(bullets[i]->y - y);
            if (distance < nearestDistance) {
                nearestDistance = distance;
                nearestY = bullets[i]->y;
            }
        }
        if (nearestDistance < kLayReach && newX == Field::kCentreLine) {
            layBricks(y);
        } else {
            newY = y <= nearestY ? y + kStep : y - kStep;
        }
    }
    person->setPosition(newX, newY);
}

void PeaceKeeper::layBricks(float height) {
    if (hasLeftBrick && !gamePlay->testBrick(false, height)) {
        gamePlay->addBrick(false, height);
        hasLeftBrick = false;
    }
    if (hasRightBrick && !gamePlay->testBrick(true, height)) {
        gamePlay->addBrick(true, height);
        hasRightBrick = false;
    }
}

void PeaceKeeper::draw() {
    drawCarrying(hasLeftBrick, hasRightBrick);
}

void PeaceKeeper::aBirthInTheFamily() {}

void PeaceKeeper::aDeathInTheFamily() {
    if (!(random->nextFloat() > deathThreshold(person->family.size()))) {
        return;
    }
    changeRole(new Civilian(random, gamePlay, person->side), RoleChange::kGivesUpKeepingPeace);
}

void PeaceKeeper::familyMemberSaved() {}
