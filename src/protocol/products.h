#pragma once

#include <cstdint>

#include "protocol/adaptor_protocol.h"

// What each product can do, by the sign-extended product identifier the window's
// connection record holds.
namespace protocol {

// The product identifier as the record holds it: sign-extended from 16 bits.
inline constexpr std::int32_t signExtendedProduct(std::uint16_t productId) {
    return static_cast<std::int16_t>(productId);
}

// Whether the record's sign-extended product identifier is `product`.
inline constexpr bool isProduct(std::int32_t productId, std::uint16_t product) {
    return productId == signExtendedProduct(product);
}

// Kelvo, Mirad and the plain USB adaptor report the lever; the loader does not.
inline constexpr bool reportsLever(std::int32_t productId) {
    return isProduct(productId, kKelvo) || isProduct(productId, kMirad) ||
           isProduct(productId, kUsbShifter);
}

// Only Kelvo and Mirad adaptors hand out their memory.
inline constexpr bool offersMemoryDump(std::int32_t productId) {
    return isProduct(productId, kKelvo) || isProduct(productId, kMirad);
}

}  // namespace protocol
