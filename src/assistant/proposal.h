#pragma once

#include <optional>
#include <string>
#include <vector>

#include "assistant/steps.h"
#include "assistant/threshold.h"

// Thresholds proposed from where the lever really went in each step.
namespace assistant {

// Below this many units between a proposal and the nearest recorded point of either
// gate, noise or wear would soon carry the lever across: nothing is proposed.
inline constexpr int kMinimumMargin = 8;

struct ThresholdProposal {
    Threshold threshold{};
    std::optional<int> value;  // a threshold (protocol::isThreshold); none when a warning stands
    // Units from the value to the nearest recorded point below it and above it.
    int marginBelow = 0;
    int marginAbove = 0;
    std::string warning;  // empty when a value is proposed
};

// The thresholds of `mode` in the order the text boxes show them (H1, H2, V1, V2, or
// SeqH1, SeqH2), each in the middle of the gap between the gates it separates.
std::vector<ThresholdProposal> propose(Mode mode, const Records& records);

// The proposed values, as the window takes them; thresholds without one are left out.
std::vector<protocol::ThresholdValue> proposedValues(
    const std::vector<ThresholdProposal>& proposals);

}  // namespace assistant
