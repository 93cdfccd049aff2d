#ifndef TRUCEWARD_TESTS_SUPPORT_HEAPINUSE_H
#define TRUCEWARD_TESTS_SUPPORT_HEAPINUSE_H

#include <cstddef>

// Bytes currently allocated on the heap (by malloc or by a sanitizer's own
// allocator), for tests that look for memory growth.
std::size_t heapInUse();

#endif
