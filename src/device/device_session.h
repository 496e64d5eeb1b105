#pragma once

#include <cstdint>
#include <string>

#include "hid/hid_layer.h"
#include "protocol/adaptor_protocol.h"
#include "protocol/products.h"

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
    protocol::ReportBuffer inputBuffer{};
    protocol::ReportBuffer featureBuffer{};
    std::int32_t inputBytesRead = 0;
    std::int32_t featureBytesRead = 0;  // of the last feature reply, report ID included
};

}  // namespace device
