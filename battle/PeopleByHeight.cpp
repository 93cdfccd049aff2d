#include "battle/PeopleByHeight.h"

#include <cstddef>

#include "people/Person.h"

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
    // A counting sort: sizes of the bands, where each begins, then everybody
    // in list order, which keeps every band ascending.
    int sizes[kBandCount] = {};
    for (const Person* person : people) {
        ++sizes[band(person->y)];
    }
    bandStart[0] = 0;
    for (int b = 0; b < kBandCount; ++b) {
        bandStart[b + 1] = bandStart[b] + sizes[b];
    }
    indices.resize(people.size());
    int next[kBandCount];
    for (int b = 0; b < kBandCount; ++b) {
        next[b] = bandStart[b];
    }
    for (std::size_t i = 0; i < people.size(); ++i) {
        indices[static_cast<std::size_t>(next[band(people[i]->y)]++)] = static_cast<int>(i);
    }
}

void PeopleByHeight::erase(int index) {
    std::size_t kept = 0;
    int b = 0;
    for (std::size_t at = 0; at < indices.size(); ++at) {
        while (bandStart[b + 1] <= static_cast<int>(at)) {
            bandStart[++b] -= static_cast<int>(at - kept);
        }
        const int entry = indices[at];
        if (entry != index) {
            // Those after the one that left move up one.
            indices[kept++] = entry > index ? entry - 1 : entry;
        }
    }
    while (b < kBandCount) {
        bandStart[++b] = static_cast<int>(kept);
    }
    indices.resize(kept);
}
