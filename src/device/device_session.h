#pragma once

#include <cstdint>
#include <string>

#include "device/adaptor_protocol.h"
#include "hid/hid_layer.h"

namespace device {

// The window's record of the adaptor connection. There is one per window, reused for
// every connection it makes.
struct InputOverlap {
    std::uint32_t Offset = 0;
    std::uint32_t OffsetHigh = 0;
    hid::ReadEvent hEvent = hid::ReadEvent::None;
};

struct DeviceSession {
    hid::Handle deviceHandle = hid::Handle::None;      // feature reports, capabilities
    hid::Handle inputHandle = hid::Handle::None;       // input reads, strings, presence
    hid::ReadEvent inputEvent = hid::ReadEvent::None;  // created once per window
    InputOverlap inputOverlap;
    bool isConnected = false;
    std::int32_t productId = 0;  // sign-extended 16-bit product identifier; 0 = none
    hid::Attributes attributes;
    hid::Capabilities caps;
    std::string devicePath;
    std::int32_t lastResult = 0;  // nonzero = the last call succeeded
    device::ReportBuffer inputBuffer{};
    device::ReportBuffer featureBuffer{};
    std::int32_t inputBytesRead = 0;
    std::int32_t featureBytesRead = 0;  // of the last feature reply, report ID included
};

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
    return isProduct(productId, device::kKelvo) || isProduct(productId, device::kMirad) ||
           isProduct(productId, device::kUsbShifter);
}

// Only Kelvo and Mirad adaptors hand out their memory.
inline constexpr bool offersMemoryDump(std::int32_t productId) {
    return isProduct(productId, device::kKelvo) || isProduct(productId, device::kMirad);
}

}  // namespace device
