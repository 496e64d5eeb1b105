#pragma once

#include <string>

#include "window/toolkit/controls.h"

// What the four threshold boxes hold, as the user and a screen reader are told it.
namespace window {

struct ThresholdName {
    const char* shortName;  // as the status line names a stored value
    const char* line;       // the line the threshold moves
};

inline constexpr ThresholdName kH1{"H1", "upper horizontal line"};
inline constexpr ThresholdName kH2{"H2", "lower horizontal line"};
inline constexpr ThresholdName kV1{"V1", "left vertical line"};
inline constexpr ThresholdName kV2{"V2", "right vertical line"};
inline constexpr ThresholdName kSeqH1{"Seq H1", "first sequential line"};
inline constexpr ThresholdName kSeqH2{"Seq H2", "second sequential line"};

// The range a box accepts, and the hint on a box whose text was refused.
inline constexpr const char* kThresholdRange = "0 to 254";

// Names `box` after the threshold it holds now, and clears any refused mark.
void describeThresholdBox(toolkit::TextBox& box, const ThresholdName& name);
// Marks `box` as refused (its text moves no line) or accepted.
void markThresholdBox(toolkit::TextBox& box, const ThresholdName& name, bool refused);

}  // namespace window
