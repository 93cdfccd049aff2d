#include "battle/PeopleByHeight.h"

#include <cstddef>

#include "people/Person.h"

namespace {
// People stand at heights 0 .. 768 - 64; bands this high hold a handful each.
// Anybody outside the field falls into the band at its edge.
constexpr float kBandHeight = 16.0f;
constexpr int kBandCount = 48;
}  // namespace

int PeopleByHeight::band(float y) {
    const float scaled = y / kBandHeight;
    // Also catches a height that is not a number.
    if (!(scaled >= 0.0f)) {
        return 0;
    }
    if (scaled >= static_cast<float>(kBandCount - 1)) {
        return kBandCount - 1;
    }
    return static_cast<int>(scaled);
}

void PeopleByHeight::rebuild(const std::vector<Person*>& people) {
    bands.resize(kBandCount);
    for (std::vector<int>& members : bands) {
        members.clear();
    }
    for (std::size_t i = 0; i < people.size(); ++i) {
        bands[static_cast<std::size_t>(band(people[i]->y))].push_back(static_cast<int>(i));
    }
}
