#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The HID layer hands out every report with the report ID in byte 0 and the payload
// from byte 1. hidapi drops that byte from input reports of devices without report
// IDs; these helpers put the reports back into the common layout.
namespace hid {

// Copies an input report as hidapi delivered it into `out`, prepending the report ID
// 0 when the device uses no report IDs. A report longer than `out` is cut short.
// Returns the number of bytes written.
std::size_t placeInputReport(std::span<const std::uint8_t> received, bool deviceUsesReportIds,
                             std::span<std::uint8_t> out);

// Fills `out` with a feature reply: `reportId` in byte 0, the reply's payload (which
// follows its own ID byte) after it, and zeros past the end of the reply.
void placeFeatureReply(std::uint8_t reportId, std::span<const std::uint8_t> reply,
                       std::span<std::uint8_t> out);

}  // namespace hid
