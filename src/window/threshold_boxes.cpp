#include "window/threshold_boxes.h"

namespace window {

namespace {

std::string description(const ThresholdName& name) {
    return std::string(name.shortName) + ", " + name.line + ", " + kThresholdRange;
}

}  // namespace

void describeThresholdBox(toolkit::TextBox& box, const ThresholdName& name) {
    box.accessibleName = name.shortName;
    box.accessibleDescription = description(name);
    box.refused = false;
    box.toolTip = box.accessibleDescription;
}

void markThresholdBox(toolkit::TextBox& box, const ThresholdName& name, bool refused) {
    if (box.refused == refused) {
        return;  // every tick checks the boxes: leave unchanged texts alone
    }
    box.refused = refused;
    box.toolTip = refused ? kThresholdRange : description(name);
}

}  // namespace window
