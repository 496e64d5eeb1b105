#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "i18n/translate.h"
#include "protocol/threshold_range.h"
#include "protocol/thresholds.h"
#include "window/toolkit/controls.h"

// What the four threshold boxes hold, as the user and a screen reader are told it.
namespace window {

// Names `box` after the threshold it holds now, and clears its marks.
void describeThresholdBox(toolkit::TextBox& box, protocol::Threshold threshold);
// Marks `box` as refused (its text moves no line) or accepted.
void markThresholdBox(toolkit::TextBox& box, protocol::Threshold threshold, bool refused);
// Marks `box` as holding another value than the adaptor's `adaptorValue`, or clears
// the mark (unset).
void markDifference(toolkit::TextBox& box, protocol::Threshold threshold,
                    std::optional<std::int16_t> adaptorValue);

}  // namespace window
