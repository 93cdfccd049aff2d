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

void PeopleByHeight::erase(int index) {
    for (std::vector<int>& members : bands) {
        // Bands stay in list order: the entry goes, those after it move up one.
        for (std::size_t i = members.size(); i-- > 0;) {
            if (members[i] == index) {
                members.erase(members.begin() + static_cast<std::ptrdiff_t>(i));
            } else if (members[i] > index) {
                --members[i];
            } else {
                break;
            }
        }
    }
}
