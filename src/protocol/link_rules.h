#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "protocol/adaptor_protocol.h"

// The rules of talking to an adaptor that the window and the commands share; each keeps
// its own order of calls.
namespace protocol {

// The six thresholds by setting address.
using Thresholds = std::array<std::uint8_t, kSettingCount>;

// Feature reports of this length (report ID included) carry a settings reply and fit
// the connection's buffers.
bool isUsableFeatureLength(std::size_t featureReportLength);

// An opened device can be talked to: one of ours by its own attributes, with feature
// reports of a usable length.
bool isUsableAdaptor(std::uint16_t vendorId, std::uint16_t productId,
                     std::size_t featureReportLength);

// A reply of `bytesRead` bytes (report ID included) carries every byte of an exchange
// that needs `lengthNeeded`: a shorter one leaves the rest unknown, never zero.
bool carriesWholeReply(std::int64_t bytesRead, std::size_t lengthNeeded);

// The thresholds a whole settings reply holds.
Thresholds thresholdsOfReply(const ReportBuffer& reply);

}  // namespace protocol
