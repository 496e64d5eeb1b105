#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/adaptor_protocol.h"
#include "protocol/link_rules.h"
#include "protocol/thresholds.h"

// The six thresholds by name, and the "V1=80,SeqH2=75" assignments of --write.
namespace commands {

// The stored thresholds by setting address.
using protocol::Thresholds;

// The address of a threshold named in any letter case, with or without spaces.
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

// A threshold value given as text: a whole number in decimal that a setting
// holds (protocol::isSettingValue), leading zeros allowed.
std::optional<std::uint8_t> settingValue(std::string_view text);

// "V1=80,V2=175,...": every name known, each at most once, every value one a setting holds.
ParsedAssignments parseAssignments(std::string_view text);

// Checks assignments given as (name, value text) pairs, e.g. from a file.
ParsedAssignments checkAssignments(const std::vector<std::pair<std::string, std::string>>& pairs);

}  // namespace commands
