#include "window/threshold_boxes.h"

namespace window {

namespace {

std::string description(protocol::Threshold threshold) {
    const protocol::ThresholdFacts& facts = protocol::factsOf(threshold);
    return std::string(facts.shownName) + ", " + i18n::translate("Window", facts.line) + ", " +
           i18n::translate("Window", kThresholdRange);
}

}  // namespace

void describeThresholdBox(toolkit::TextBox& box, protocol::Threshold threshold) {
    box.accessibleName = protocol::factsOf(threshold).shownName;
    box.accessibleDescription = description(threshold);
    box.refused = false;
    box.toolTip = box.accessibleDescription;
}

void markThresholdBox(toolkit::TextBox& box, protocol::Threshold threshold, bool refused) {
    if (box.refused == refused) {
        return;  // every tick checks the boxes: leave unchanged texts alone
    }
    box.refused = refused;
    box.toolTip = refused ? i18n::translate("Window", kThresholdRange) : description(threshold);
}

}  // namespace window
