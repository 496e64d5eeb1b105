#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The gears a report can name, as the trace colours and the assistant tell them apart.
namespace protocol {

// Neutral stands for both "N" and "-": the adaptor reports no gear either way.
enum class Gear : std::uint8_t {
    Neutral,
    First,
    Second,
    Third,
    Fourth,
    Fifth,
    Sixth,
    Reverse,
    Plus
};
inline constexpr std::size_t kGearCount = 9;

// The gear a report's gear mask names; none when the mask is not a value the adaptor uses.
std::optional<Gear> gearOf(std::uint8_t gearMask);

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
