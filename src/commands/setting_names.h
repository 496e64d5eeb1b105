#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/adaptor_protocol.h"

// The six thresholds by name, and the "V1=80,SEQH2=75" assignments of --write.
namespace commands {

// The stored thresholds by setting address.
using Thresholds = std::array<std::uint8_t, device::kSettingCount>;

struct SettingName {
    const char* name;
    std::uint8_t address;
};
// In the order commands show them.
inline constexpr std::array<SettingName, device::kSettingCount> kSettingNames{{
    {"V1", device::kAddressV1},
    {"V2", device::kAddressV2},
    {"H1", device::kAddressH1},
    {"H2", device::kAddressH2},
    {"SEQH1", device::kAddressSeqH1},
    {"SEQH2", device::kAddressSeqH2},
}};

// The address of a threshold named in any letter case.
std::optional<std::uint8_t> settingAddress(std::string_view name);

struct Assignment {
    std::uint8_t address = 0;
    std::uint8_t value = 0;
};

// Assignments in the order given, or the reason they cannot be used.
struct ParsedAssignments {
    std::vector<Assignment> assignments;
    std::string error;  // empty when every assignment is good
};

// A threshold value given as text: a whole number 0..255 in decimal, leading zeros allowed.
std::optional<std::uint8_t> settingValue(std::string_view text);

// "V1=80,V2=175,...": every name known, each at most once, every value 0..255.
ParsedAssignments parseAssignments(std::string_view text);

// Checks assignments given as (name, value text) pairs, e.g. from a file.
ParsedAssignments checkAssignments(const std::vector<std::pair<std::string, std::string>>& pairs);

}  // namespace commands
