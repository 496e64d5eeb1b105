#include "window/threshold_boxes.h"

namespace window {

namespace {

std::string description(protocol::Threshold threshold) {
    const protocol::ThresholdFacts& facts = protocol::factsOf(threshold);
    return std::string(facts.name) + ", " + i18n::translate("Window", facts.line) + ", " +
           i18n::translate("Window", protocol::kThresholdRange);
}

// The hover hint says what the box's marks mean.
std::string toolTipOf(const toolkit::TextBox& box, protocol::Threshold threshold) {
    std::string tip = box.refused ? std::string(protocol::kThresholdRange) : description(threshold);
    if (box.adaptorValue) {
        tip += i18n::arg(i18n::translate("Window", "; the adaptor holds %1 until it is stored"),
                         {std::to_string(*box.adaptorValue)});
    }
    return tip;
}

}  // namespace

void describeThresholdBox(toolkit::TextBox& box, protocol::Threshold threshold) {
    box.accessibleName = protocol::factsOf(threshold).name;
    box.accessibleDescription = description(threshold);
    box.refused = false;
    box.adaptorValue.reset();
    box.toolTip = toolTipOf(box, threshold);
}

void markThresholdBox(toolkit::TextBox& box, protocol::Threshold threshold, bool refused) {
    if (box.refused == refused) {
        return;  // every tick checks the boxes: leave unchanged texts alone
    }
    box.refused = refused;
    box.toolTip = toolTipOf(box, threshold);
}

void markDifference(toolkit::TextBox& box, protocol::Threshold threshold,
                    std::optional<std::int16_t> adaptorValue) {
    if (box.adaptorValue == adaptorValue) {
        return;
    }
    box.adaptorValue = adaptorValue;
    box.toolTip = toolTipOf(box, threshold);
}

}  // namespace window
