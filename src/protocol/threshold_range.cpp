#include "protocol/threshold_range.h"

namespace protocol {

std::optional<ThresholdValue> firstUnstorable(const Thresholds& values,
                                              const std::optional<Thresholds>& held) {
    for (const ThresholdFacts& facts : kThresholds) {
        const int value = values[facts.address];
        const std::optional<int> heldValue =
            held ? std::optional<int>((*held)[facts.address]) : std::nullopt;
        if (!mayStore(value, heldValue)) {
            return ThresholdValue{facts.threshold, value};
        }
    }
    return std::nullopt;
}

std::string notAThresholdText(std::string_view name, int value) {
    return i18n::arg(i18n::translate("Thresholds", "%1 is %2, not a threshold (%3)"),
                     {name, std::to_string(value), i18n::translate("Window", kThresholdRange)});
}

}  // namespace protocol
