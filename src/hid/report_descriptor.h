#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Reads a HID report descriptor far enough to size its reports the way the Windows
// HID parser does: the largest report of each type in bytes, plus one byte for the
// report ID (also when the device uses no report IDs). Items of the reserved type and
// main items with reserved tags are skipped, as the Linux kernel skips them. Pure and
// stateless, so it can be fed arbitrary bytes, e.g. from a fuzzer.
namespace hid {

enum class DescriptorError {
    None,
    Empty,
    Truncated,             // an item's data runs past the end
    BadReportId,           // Report ID 0, above 255, or without data
    PushTooDeep,           // more nested Push items than the parser keeps
    PopWithoutPush,        // Pop with an empty global stack
    UnbalancedCollection,  // End Collection without Collection, or one left open
    ReportTooLong,         // a report would not fit the 16-bit byte lengths
    MixedReportIds,        // data items both with and without a report ID
};

struct DescriptorSummary {
    bool usesReportIds = false;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
};

struct DescriptorParse {
    DescriptorError error = DescriptorError::None;
    std::size_t errorOffset = 0;  // where the offending item starts
    DescriptorSummary summary;    // meaningful only when ok()

    bool ok() const { return error == DescriptorError::None; }
};

DescriptorParse parseReportDescriptor(std::span<const std::uint8_t> descriptor);

// A short English phrase for logs.
const char* describe(DescriptorError error);

}  // namespace hid
