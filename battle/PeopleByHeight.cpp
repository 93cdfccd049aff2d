#include "battle/PeopleByHeight.h"

#include <cstddef>

#include "people/Person.h"

void PeopleByHeight::rebuild(const std::vector<Person*>& people) {
    // A counting sort: sizes of the cells, where each begins, then everybody
    // in list order, which keeps every cell ascending.
    int sizes[kCellCount] = {};
    cellOf.resize(people.size());
    for (std::size_t i = 0; i < people.size(); ++i) {
        cellOf[i] = cell(band(people[i]->y), column(people[i]->x));
        ++sizes[cellOf[i]];
    }
    cellStart[0] = 0;
    for (int c = 0; c < kCellCount; ++c) {
        cellStart[c + 1] = cellStart[c] + sizes[c];
    }
    entries.resize(people.size());
    // From here on, sizes[c] is where the next entry of cell c goes.
    for (int c = 0; c < kCellCount; ++c) {
        sizes[c] = cellStart[c];
    }
    for (std::size_t i = 0; i < people.size(); ++i) {
        entries[static_cast<std::size_t>(sizes[cellOf[i]]++)] = {static_cast<int>(i), people[i]->x};
    }
}

void PeopleByHeight::erase(int index) {
    std::size_t kept = 0;
    std::size_t leftAt = entries.size();
    for (std::size_t at = 0; at < entries.size(); ++at) {
        Entry entry = entries[at];
        if (entry.index == index) {
            leftAt = at;
            continue;
        }
        // Those after the one that left move up one.
        if (entry.index > index) {
            --entry.index;
        }
        entries[kept++] = entry;
    }
    entries.resize(kept);
    // Every cell that began after the entry that left begins one earlier.
    for (int& start : cellStart) {
        if (start > static_cast<int>(leftAt)) {
            --start;
        }
    }
}
