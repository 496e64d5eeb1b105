#pragma once

#include <cstdint>
#include <string>

namespace settings {

// The window caption for a connected product.
std::string captionForProduct(std::int32_t productId);

}  // namespace settings
