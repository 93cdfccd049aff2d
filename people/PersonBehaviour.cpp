#include "people/PersonBehaviour.h"

namespace {

constexpr float kThresholdWithFamily = 0.9f;    // two relatives or more left
constexpr float kThresholdOneRelative = 0.95f;  // exactly one left
constexpr float kThresholdAlone = 0.5f;         // nobody left

}  // namespace

float PersonBehaviour::deathThreshold(std::size_t familyLeft) {
    if (familyLeft >= 2) {
        return kThresholdWithFamily;
    }
    return familyLeft == 1 ? kThresholdOneRelative : kThresholdAlone;
}
