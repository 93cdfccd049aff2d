#include "tests/support/HeapInUse.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#include <sanitizer/allocator_interface.h>

std::size_t heapInUse() {
    return __sanitizer_get_current_allocated_bytes();
}
#else
#include <malloc.h>

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}
#endif
