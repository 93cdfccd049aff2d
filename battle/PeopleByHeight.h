#ifndef TRUCEWARD_BATTLE_PEOPLEBYHEIGHT_H
#define TRUCEWARD_BATTLE_PEOPLEBYHEIGHT_H

#include <vector>

class Person;

// The battle's people sorted into horizontal bands by their height, so that
// a bullet is tested against the few people near its own height instead of
// everybody. Each band keeps the people's indices in `people` order, so the
// first hit found is the first in `people` order, as a plain scan finds it.
// Built afresh whenever the list or anybody's position may have changed.
class PeopleByHeight {
  public:
    void rebuild(const std::vector<Person*>& people);
    // As rebuild() after the person at `index` left the list, only quicker.
    void erase(int index);

    // The smallest index whose person stands strictly between the heights
    // `low` and `high` and passes `test` (called with the index), or -1. Every
    // person in that range is offered, and only a few outside it.
    template <typename Test>
    int first(float low, float high, Test test) const {
        int found = -1;
        const int last = band(high);
        for (int b = band(low); b <= last; ++b) {
            for (int at = bandStart[b]; at < bandStart[b + 1]; ++at) {
                const int index = indices[static_cast<std::size_t>(at)];
                if (found >= 0 && index > found) {
                    break;
                }
                if (test(index)) {
                    found = index;
                    break;
                }
            }
        }
        return found;
    }

    // Calls `visit` with the index of every person between `low` and `high`
    // (and a few more), each once, in no particular order.
    template <typename Visit>
    void each(float low, float high, Visit visit) const {
        for (int at = bandStart[band(low)]; at < bandStart[band(high) + 1]; ++at) {
            visit(indices[static_cast<std::size_t>(at)]);
        }
    }

  private:
    // People stand at heights 0 .. 768 - 64; bands this high hold a handful
    // each. Anybody outside the field falls into the band at its edge.
    static constexpr float kBandHeight = 16.0f;
    static constexpr int kBandCount = 48;

    static int band(float y);

    // The indices of band b, ascending, are indices[bandStart[b]] up to
    // indices[bandStart[b + 1]] (excluded).
    std::vector<int> indices;
    int bandStart[kBandCount + 1] = {};
};

#endif
