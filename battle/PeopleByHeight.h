#ifndef TRUCEWARD_BATTLE_PEOPLEBYHEIGHT_H
#define TRUCEWARD_BATTLE_PEOPLEBYHEIGHT_H

#include <limits>
#include <vector>

class Person;

// The battle's people sorted into horizontal bands by their height, so that
// a bullet is tested against the few people near its own height instead of
// everybody. Each band is cut across into columns, so that a bullet is not
// tested against the people of its band who stand far off across the field
// either: a search looks only at the cells its range touches. Each cell keeps
// the people's indices in `people` order, so the first hit found is the first
// in `people` order, as a plain scan finds it. Built afresh whenever the list
// or anybody's position may have changed.
class PeopleByHeight {
  public:
    static constexpr float kAnyX = std::numeric_limits<float>::infinity();

    void rebuild(const std::vector<Person*>& people);
    // As rebuild() after the person at `index` left the list, only quicker.
    void erase(int index);

    // The smallest index whose person stands strictly between the heights
    // `low` and `high`, at an x from `left` to `right` (both included), and
    // passes `test` (called with the index), or -1. Every person in that range
    // is offered, and only a few outside it, all within left .. right.
    template <typename Test>
    int first(float low, float high, Test test, float left = -kAnyX, float right = kAnyX) const {
        int found = -1;
        const int lastBand = band(high);
        const int firstColumn = column(left);
        const int lastColumn = column(right);
        for (int b = band(low); b <= lastBand; ++b) {
            for (int c = firstColumn; c <= lastColumn; ++c) {
                const int cellEnd = cellStart[cell(b, c) + 1];
                for (int at = cellStart[cell(b, c)]; at < cellEnd; ++at) {
                    const Entry& entry = entries[static_cast<std::size_t>(at)];
                    if (found >= 0 && entry.index > found) {
                        break;
                    }
                    if (entry.x >= left && entry.x <= right && test(entry.index)) {
                        found = entry.index;
                        break;
                    }
                }
            }
        }
        return found;
    }

    // Calls `visit` with the index of every person between `low` and `high`
    // (and a few more) at an x from `left` to `right` (both included), each
    // once, in no particular order.
    template <typename Visit>
    void each(float low, float high, Visit visit, float left = -kAnyX, float right = kAnyX) const {
        const int firstColumn = column(left);
        const int lastColumn = column(right);
        const int lastBand = band(high);
        for (int b = band(low); b <= lastBand; ++b) {
            // A band's columns lie one after another.
            const int end = cellStart[cell(b, lastColumn) + 1];
            for (int at = cellStart[cell(b, firstColumn)]; at < end; ++at) {
                const Entry& entry = entries[static_cast<std::size_t>(at)];
                if (entry.x >= left && entry.x <= right) {
                    visit(entry.index);
                }
            }
        }
    }

  private:
    // People stand at heights 0 .. 768 - 64 and at x 0 .. 1024 - 64; cells
    // this size hold a handful each, most none. Anybody outside the field
    // falls into the cells at its edge.
    static constexpr float kBandHeight = 16.0f;
    static constexpr int kBandCount = 48;
    static constexpr float kColumnWidth = 64.0f;
    static constexpr int kColumnCount = 16;
    static constexpr int kCellCount = kBandCount * kColumnCount;

    struct Entry {
        int index;
        float x;
    };

    // Which of `count` slices of size `size` holds `at`, the edge ones
    // taking everything beyond them.
    static int slice(float at, float size, int count) {
        const float scaled = at / size;
        // Also catches a position that is not a number.
        if (!(scaled >= 0.0f)) {
            return 0;
        }
        if (scaled >= static_cast<float>(count - 1)) {
            return count - 1;
        }
        return static_cast<int>(scaled);
    }
    static int band(float y) { return slice(y, kBandHeight, kBandCount); }
    static int column(float x) { return slice(x, kColumnWidth, kColumnCount); }
    static int cell(int band, int column) { return band * kColumnCount + column; }

    // The entries of cell i, ascending by index, are entries[cellStart[i]] up
    // to entries[cellStart[i + 1]] (excluded); a band's cells run from left
    // to right.
    std::vector<Entry> entries;
    int cellStart[kCellCount + 1] = {};
    // rebuild()'s note of each person's cell, kept to spare an allocation.
    std::vector<int> cellOf;
};

#endif
