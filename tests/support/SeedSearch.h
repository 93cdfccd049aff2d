#ifndef TRUCEWARD_TESTS_SUPPORT_SEEDSEARCH_H
#define TRUCEWARD_TESTS_SUPPORT_SEEDSEARCH_H

#include <cstdint>
#include <initializer_list>

// A range (low, high] that a draw of the battle's random source must fall in.
struct DrawRange {
    float low;
    float high;
};

// The first seed from 1 on whose first draws fall in the given ranges, one
// range per draw, in order: a way to steer a role's chances in a test
// without touching the random source.
std::uint32_t seedWithDraws(std::initializer_list<DrawRange> ranges);

#endif
