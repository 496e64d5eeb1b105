#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "device/adaptor_protocol.h"

// The text of a memory dump: a model label, then one field per memory byte.
namespace maintenance {

// One space and two upper-case hex digits, e.g. " 0A".
std::string byteField(std::uint8_t value);

// Stands for a byte that could not be read; as long as a byte field.
inline constexpr std::string_view kUnreadField = " ??";

// "Kelvo: " or "Mirad: " by the adaptor's product identifier, otherwise empty.
std::string_view modelLabel(std::uint16_t productId);

// Appends the fields of one memory block as it was read.
void appendBlockFields(std::string& text,
                       std::span<const std::uint8_t, protocol::kMemoryBlockSize> block);
// Appends the fields of a block whose fetch failed.
void appendUnreadBlockFields(std::string& text);

// Fetches one memory block's reply into the buffer; false when the fetch failed.
using BlockFetch = std::function<bool(protocol::ReportBuffer&)>;

// The whole dump of an adaptor: its model label, then the eight blocks in order, each
// fetched once; a block whose fetch failed shows unread fields.
std::string memoryDumpText(std::uint16_t productId, const BlockFetch& fetchBlock);

}  // namespace maintenance
