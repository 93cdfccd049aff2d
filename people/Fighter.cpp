#include "people/Fighter.h"

#include "battle/Field.h"
#include "battle/GamePlay.h"
#include "graphics/ImageDrawer.h"
#include "people/Civilian.h"
#include "people/PeaceKeeper.h"
#include "people/Person.h"
#include "people/Random.h"
#include "people/RoleChange.h"
#include "scores/GameCounter.h"

namespace {

// Timers are a draw times the spread, truncated, plus the minimum.
constexpr float kFireSpread = 240.0f;
constexpr int kFireMinimum = 60;
constexpr float kFirstTurnSpread = 32.0f;
constexpr float kTurnSpread = 128.0f;
constexpr int kTurnMinimum = 32;
constexpr float kFightSpread = 4000.0f;
constexpr int kFightMinimum = 2000;
// Each death in the family adds a draw times this to the fight.
constexpr float kGrief = 4000.0f;
constexpr float kCoinFlip = 0.5f;

// One unit per frame, both to the line and along it.
constexpr float kStep = 1.0f;

constexpr float kCivilianThreshold = 0.75f;
constexpr float kPeaceKeeperThreshold = 0.99f;

}  // namespace

Fighter::Fighter(Random* random, GamePlay* gamePlay, bool side)
    : random(random), gamePlay(gamePlay), side(side) {
    fireTimer = static_cast<int>(random->nextFloat() * kFireSpread) + kFireMinimum;
    turnTimer = static_cast<int>(random->nextFloat() * kFirstTurnSpread);
    goingUp = random->nextFloat() > kCoinFlip;
    fightTimer = static_cast<int>(random->nextFloat() * kFightSpread) + kFightMinimum;
    GameCounter::getInstance()->incrementCount(GameCounter::kFighter, 1);
}

Fighter::~Fighter() {
    GameCounter::getInstance()->incrementCount(GameCounter::kFighter, -1);
}

void Fighter::tick() {
    if (fightTimer == 0) {
        changeRole(new Civilian(random, gamePlay, side), RoleChange::kTiresOfFighting);
        return;
    }
    --fightTimer;

    const float x = person->x;
    const float y = person->y;
    float newX;
    if (side) {
        newX = x > Field::kRightLine + kStep ? x - kStep : Field::kRightLine;
    } else {
        newX = x < Field::kLeftLine - kStep ? x + kStep : Field::kLeftLine;
    }

    if (fireTimer == 0) {
        gamePlay->addBullet(side, y);
        fireTimer = static_cast<int>(random->nextFloat() * kFireSpread) + kFireMinimum;
        gamePlay->playSound(Sounds::SoundShot, newX);
    } else {
        --fireTimer;
    }

    if (turnTimer == 0) {
        goingUp = !goingUp;
        turnTimer = static_cast<int>(random->nextFloat() * kTurnSpread) + kTurnMinimum;
    } else {
        --turnTimer;
    }

    float newY = goingUp ? y + kStep : y - kStep;
    if (newY <= Field::kBottom) {
        newY = Field::kBottom;
        goingUp = true;
    } else if (newY >= Field::kTop) {
        newY = Field::kTop;
        goingUp = false;
    }
    person->setPosition(newX, newY);
}

void Fighter::draw() {
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageFighter, person->x, person->y, 1.0f,
                                          1.0f, 1.0f, 1.0f, 1.0f, 1.0f);
}

void Fighter::aBirthInTheFamily() {}

void Fighter::aDeathInTheFamily() {
    fightTimer += static_cast<int>(random->nextFloat() * kGrief);
}

void Fighter::familyMemberSaved() {
    if (random->nextFloat() > kCivilianThreshold) {
        changeRole(new Civilian(random, gamePlay, side), RoleChange::kLaysDownArms);
        return;
    }
    if (random->nextFloat() > kPeaceKeeperThreshold) {
        changeRole(new PeaceKeeper(gamePlay, random), RoleChange::kBecomesPeaceKeeper);
    }
}
