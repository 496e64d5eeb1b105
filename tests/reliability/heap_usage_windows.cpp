// Windows: the C runtime's heap, walked block by block.
#include <malloc.h>

#include "reliability/heap_usage.h"

namespace reliability {

std::size_t heapBytesInUse() {
    std::size_t used = 0;
    _HEAPINFO block{};
    while (_heapwalk(&block) == _HEAPOK) {
        used += block._useflag == _USEDENTRY ? block._size : 0;
    }
    return used;
}

}  // namespace reliability
