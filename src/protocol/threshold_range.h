#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "i18n/translate.h"
#include "protocol/link_rules.h"
#include "protocol/thresholds.h"

// The one rule for what may be stored. A value a user brings in (typed, imported,
// restored, proposed, given to a command) is a threshold only when it is in the range below.
// The adaptor's own values may be any byte: such a value is written back only where the adaptor
// itself holds it, as the close writes back what was read.
namespace protocol {

inline constexpr int kLowestThreshold = 0;
inline constexpr int kHighestThreshold = 254;
// What one setting of the adaptor can hold: a byte, so its own values may reach this.
inline constexpr int kHighestSettingValue = 255;
// The range as users are told it.
inline constexpr const char* kThresholdRange = QT_TRANSLATE_NOOP("Window", "0 to 254");

constexpr bool isThreshold(int value) {
    return value >= kLowestThreshold && value <= kHighestThreshold;
}

constexpr bool isSettingValue(int value) {
    return value >= kLowestThreshold && value <= kHighestSettingValue;
}

// Whether `value` may be stored where the adaptor holds `held` (unset: not read).
constexpr bool mayStore(int value, std::optional<int> held) {
    return isThreshold(value) || (held && *held == value);
}

// The first of `values`, in the order of kThresholds, that may not be stored where the
// adaptor holds `held`.
std::optional<ThresholdValue> firstUnstorable(const Thresholds& values,
                                              const std::optional<Thresholds>& held);

// "V1 is 255, not a threshold (0 to 254)", in the user's language.
std::string notAThresholdText(std::string_view name, int value);

}  // namespace protocol
