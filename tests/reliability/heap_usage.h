#pragma once

#include <cstddef>

namespace reliability {

// Bytes the program holds on the heap now, as the allocator in use counts them.
std::size_t heapBytesInUse();

}  // namespace reliability
