#include "reliability/heap_usage.h"

#include <malloc.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SHIFTER_HEAP_IS_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SHIFTER_HEAP_IS_ASAN 1
#endif

#ifdef SHIFTER_HEAP_IS_ASAN
// From the sanitizer runtime's allocator interface; declared here because not every
// compiler installs its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace reliability {

std::size_t heapBytesInUse() {
#ifdef SHIFTER_HEAP_IS_ASAN
    // The sanitizer's allocator replaces malloc and keeps its own count.
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

}  // namespace reliability
