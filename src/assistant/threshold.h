#pragma once

#include "assistant/steps.h"

namespace assistant {

enum class Threshold { V1, V2, H1, H2, SeqH1, SeqH2 };

enum class Axis { X, Y };

// V1 and V2 split X; the others split Y.
constexpr Axis axisOf(Threshold threshold) {
    return threshold == Threshold::V1 || threshold == Threshold::V2 ? Axis::X : Axis::Y;
}

constexpr int along(Axis axis, Point point) {
    return axis == Axis::X ? point.x : point.y;
}

constexpr const char* axisName(Axis axis) {
    return axis == Axis::X ? "X" : "Y";
}

// "V1", "SeqH2": as the warnings and the flicker count name them.
constexpr const char* nameOf(Threshold threshold) {
    constexpr const char* kNames[] = {"V1", "V2", "H1", "H2", "SeqH1", "SeqH2"};
    return kNames[static_cast<int>(threshold)];
}

// A threshold and the value it has in the window.
struct ThresholdAt {
    Threshold threshold{};
    int value = 0;
};

}  // namespace assistant
