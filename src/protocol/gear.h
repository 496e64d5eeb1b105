#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The gears a report can name, as the trace colours and the assistant tell them apart.
namespace protocol {

// Neutral is "N", Minus is "-": the adaptor reports no gear bit for either, and tells
// them apart by the report's flag byte.
enum class Gear : std::uint8_t {
    Neutral,
    First,
    Second,
    Third,
    Fourth,
    Fifth,
    Sixth,
    Reverse,
    Plus,
    Minus
};
inline constexpr std::size_t kGearCount = 10;

// The gear a report's gear mask names, a mask of 0 taken as "N"; none when the mask is
// not a value the adaptor uses.
std::optional<Gear> gearOf(std::uint8_t gearMask);
// The same with the report's flag byte, which makes a mask of 0 "-" when set.
std::optional<Gear> gearOf(std::uint8_t gearMask, std::uint8_t flag);

constexpr std::size_t indexOf(Gear gear) {
    return static_cast<std::size_t>(gear);
}

// Picture-box inks: 1 is the box's own drawing colour, the gears follow from 2 on.
inline constexpr std::uint8_t kTraceInk = 1;
inline constexpr std::uint8_t kFirstGearInk = 2;
constexpr std::uint8_t inkOf(Gear gear) {
    return static_cast<std::uint8_t>(kFirstGearInk + indexOf(gear));
}

}  // namespace protocol
