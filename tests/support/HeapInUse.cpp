#include "tests/support/HeapInUse.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
// Under a sanitizer its own allocator serves every allocation; the runtime
// exports this counter (GCC ships no header declaring it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();

std::size_t heapInUse() {
    return __sanitizer_get_current_allocated_bytes();
}
#else
#include <malloc.h>

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}
#endif
