#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "protocol/adaptor_protocol.h"

// The text of a memory dump: a model label, then one field per memory byte.
namespace protocol {

// One space and two upper-case hex digits, e.g. " 0A".
std::string byteField(std::uint8_t value);

// Stands for a byte that could not be read; as long as a byte field.
inline constexpr std::string_view kUnreadField = " ??";

// The model's name and ": " by the adaptor's product identifier ("Kelvo: "); empty for a
// product without a model name.
std::string modelLabel(std::uint16_t productId);

// Appends the fields of one memory block: its first `carried` bytes as read, an unread
// field for each byte the reply did not carry (all of them when the fetch failed).
void appendBlockFields(std::string& text,
                       std::span<const std::uint8_t, protocol::kMemoryBlockSize> block,
                       std::size_t carried = protocol::kMemoryBlockSize);

// Fetches one memory block's reply into the buffer; gives how many bytes the reply
// carried (report ID included), 0 when the fetch failed.
using BlockFetch = std::function<std::size_t(protocol::ReportBuffer&)>;

// The whole dump of an adaptor: its model label, then the eight blocks in order, each
// fetched once; a block shows unread fields for the bytes its reply did not carry.
std::string memoryDumpText(std::uint16_t productId, const BlockFetch& fetchBlock);

// A dump's text laid out for reading: its model label on a line of its own, then rows of
// sixteen byte fields, each after the offset of its first byte ("10: 5A 00 ..."). Any
// other text, a dump's label followed by no whole rows among them, comes back as it is.
std::string dumpRows(std::string_view text);

}  // namespace protocol
