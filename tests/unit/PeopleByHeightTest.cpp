// The battle's index of people by height must find what a scan of `people`
// finds: the first in list order, wherever in the field people stand.
#include "battle/PeopleByHeight.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "people/Person.h"

namespace {

TEST(PeopleByHeight, FindsTheFirstInListOrderAcrossBandsAndOffersEveryoneInRange) {
    const std::vector<float> heights = {340.0f, 301.0f, 333.0f, -50.0f, 900.0f, 301.0f, 0.0f};
    std::vector<Person> people(heights.size());
    std::vector<Person*> list;
    for (size_t i = 0; i < heights.size(); ++i) {
        people[i].y = heights[i];
        list.push_back(&people[i]);
    }
    PeopleByHeight index;
    index.rebuild(list);
    auto below = [&](float height) {
        return [&list, height](int i) { return list[i]->y < height; };
    };
    // Index 1 stands in a lower band than index 0 and index 2 in the same as 0.
    EXPECT_EQ(index.first(290.0f, 350.0f, [](int) { return true; }), 0);
    EXPECT_EQ(index.first(290.0f, 350.0f, below(339.0f)), 1);
    EXPECT_EQ(index.first(290.0f, 350.0f, below(300.0f)), -1);
    // Off the field below and above, and at the very bottom.
    EXPECT_EQ(index.first(-60.0f, -40.0f, [](int) { return true; }), 3);
    EXPECT_EQ(index.first(890.0f, 910.0f, [](int) { return true; }), 4);
    EXPECT_EQ(index.first(-1.0f, 1.0f, below(1.0f)), 3);

    std::multiset<int> offered;
    index.each(300.0f, 334.0f, [&offered](int i) { offered.insert(i); });
    for (const int i : {1, 2, 5}) {
        EXPECT_EQ(offered.count(i), 1u) << "person " << i;
    }

    // Index 1 leaves the list: those after it move up one, in the index too.
    list.erase(list.begin() + 1);
    index.erase(1);
    EXPECT_EQ(index.first(290.0f, 350.0f, below(339.0f)), 1) << "the one at 333";
    EXPECT_EQ(index.first(290.0f, 350.0f, below(332.0f)), 4) << "the other at 301";
    EXPECT_EQ(index.first(890.0f, 910.0f, [](int) { return true; }), 3);

    // Across the field: an x range leaves out those beside it at any height.
    list[1]->x = 700.0f;
    index.rebuild(list);
    const auto anyone = [](int) { return true; };
    EXPECT_EQ(index.first(290.0f, 350.0f, anyone, 650.0f, 700.0f), 1);
    EXPECT_EQ(index.first(290.0f, 350.0f, anyone, -2000.0f, 699.0f), 0);
    offered.clear();
    index.each(
        300.0f, 334.0f, [&offered](int i) { offered.insert(i); }, 700.0f, 3000.0f);
    EXPECT_EQ(offered, std::multiset<int>{1});
}

}  // namespace
