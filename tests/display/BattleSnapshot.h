#ifndef TRUCEWARD_TESTS_DISPLAY_BATTLESNAPSHOT_H
#define TRUCEWARD_TESTS_DISPLAY_BATTLESNAPSHOT_H

#include <algorithm>
#include <sstream>
#include <string>

#include "battle/Bullet.h"
#include "battle/Effect.h"
#include "battle/GamePlay.h"
#include "battle/Ghost.h"
#include "people/Civilian.h"
#include "people/Fighter.h"
#include "people/PeaceKeeper.h"
#include "people/Person.h"
#include "people/PlayerControlled.h"
#include "scores/GameCounter.h"

// Everything a battle holds, written out exactly (floats in hexadecimal), so
// that two battles can be compared field by field.
class BattleSnapshot {
  public:
    static std::string of(const GamePlay& battle) {
        std::ostringstream out;
        out << std::hexfloat;
        out << "random " << battle.random.state << " time " << battle.time << " over "
            << battle.warOver << " player " << (battle.player != nullptr) << "\n";
        for (const Person* person : battle.people) {
            out << "person " << person->side << " " << person->x << " " << person->y << " alert "
                << person->alert << " " << person->circlePhase << " colour "
                << person->circleColour[0] << " " << person->circleColour[1] << " "
                << person->circleColour[2] << " " << person->circleColour[3] << " family";
            for (const Person* relative : person->family) {
                out << " "
                    << (std::find(battle.people.begin(), battle.people.end(), relative) -
                        battle.people.begin());
            }
            out << " " << describe(person) << "\n";
        }
        for (const Bullet* bullet : battle.bullets) {
            out << "bullet " << bullet->side << " " << bullet->x << " " << bullet->y << "\n";
        }
        for (float brick : battle.leftBricks) {
            out << "left brick " << brick << "\n";
        }
        for (float brick : battle.rightBricks) {
            out << "right brick " << brick << "\n";
        }
        for (const Effect* bang : battle.shotBangs) {
            out << "bang " << bang->x << " " << bang->y << " " << bang->fading << " " << bang->level
                << "\n";
        }
        for (const Effect* puff : battle.smokePffs) {
            out << "puff " << puff->x << " " << puff->y << " " << puff->fading << " " << puff->level
                << "\n";
        }
        for (const Ghost* ghost : battle.ghosts) {
            out << "ghost " << ghost->x << " " << ghost->y << " " << ghost->alpha << "\n";
        }
        for (const auto& counter : GameCounter::getInstance()->counters) {
            out << "counter " << counter.first << " " << counter.second->count << "\n";
        }
        return out.str();
    }

  private:
    static std::string describe(const Person* person) {
        std::ostringstream out;
        out << std::hexfloat;
        if (const auto* civilian = dynamic_cast<const Civilian*>(person->behaviour)) {
            out << "civilian " << civilian->side << " " << civilian->speedX << " "
                << civilian->speedY << " " << civilian->targetSpeedX << " "
                << civilian->targetSpeedY << " " << civilian->wanderTimer;
        } else if (const auto* fighter = dynamic_cast<const Fighter*>(person->behaviour)) {
            out << "fighter " << fighter->side << " " << fighter->goingUp << " "
                << fighter->turnTimer << " " << fighter->fireTimer << " " << fighter->fightTimer;
        } else if (const auto* keeper = dynamic_cast<const PeaceKeeper*>(person->behaviour)) {
            out << "keeper " << keeper->hasLeftBrick << keeper->hasRightBrick << keeper->patrolUp
                << " " << keeper->brickTimer;
        } else if (const auto* player = dynamic_cast<const PlayerControlled*>(person->behaviour)) {
            out << "player " << player->upHeld << player->downHeld << player->leftBrickLaid
                << player->rightBrickLaid << player->hasLeftBrick << player->hasRightBrick << " "
                << player->trailY1 << " " << player->trailY2 << " " << player->trailY3 << " "
                << player->speed;
        } else {
            out << "other";
        }
        return out.str();
    }
};

#endif
