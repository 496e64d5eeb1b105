#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace monitor {

// The caption of the gear label for a report's gear mask and flag byte; none when the
// mask is not a value the adaptor uses, which leaves the caption as it was.
std::optional<std::string> gearCaption(std::uint8_t gearMask, std::uint8_t flag);

}  // namespace monitor
