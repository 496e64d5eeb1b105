#pragma once

#include <optional>
#include <string_view>

namespace monitor {

// A threshold typed into a text box: plain decimal notation with optional blanks around
// it, an optional sign, decimal point, fraction and exponent; '.' is the decimal point
// whatever the locale. Gives the nearest integer (halves to even) when it is a threshold
// (protocol::isThreshold).
std::optional<int> parseThresholdText(std::string_view text);

}  // namespace monitor
