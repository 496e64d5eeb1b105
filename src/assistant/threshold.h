#pragma once

#include "assistant/steps.h"
#include "protocol/thresholds.h"

namespace assistant {

using protocol::Axis;
using protocol::nameOf;
using protocol::Threshold;

constexpr Axis axisOf(Threshold threshold) {
    return protocol::factsOf(threshold).axis;
}

constexpr int along(Axis axis, Point point) {
    return axis == Axis::X ? point.x : point.y;
}

constexpr const char* axisName(Axis axis) {
    return axis == Axis::X ? "X" : "Y";
}

// A threshold and the value it has in the window.
using ThresholdAt = protocol::ThresholdValue;

}  // namespace assistant
