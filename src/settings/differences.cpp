// What the window holds that the adaptor does not: the boxes that differ are marked with
// the adaptor's value, and the status line counts the values a close would store. Lines
// that crossed are named too, since the adaptor takes them without a word.
#include <string>

#include "i18n/translate.h"
#include "window/frm_main.h"
#include "window/threshold_boxes.h"

namespace {

std::string unstoredText(int count) {
    return i18n::translate(
        "Window",
        "%n value(s) (is|are) not stored in the adaptor yet; closing the window stores (it|them)",
        nullptr, count);
}

std::string shownValue(protocol::Threshold threshold, int value) {
    return std::string(protocol::factsOf(threshold).name) + " (" + std::to_string(value) + ")";
}

std::string crossedText(const protocol::Thresholds& values) {
    std::string text;
    for (const protocol::BoundingPair& pair : protocol::kBoundingPairs) {
        const protocol::ThresholdFacts& low = protocol::factsOf(pair.low);
        const protocol::ThresholdFacts& high = protocol::factsOf(pair.high);
        const int lowValue = values[low.address];
        const int highValue = values[high.address];
        if (lowValue <= highValue) {
            continue;
        }
        text += text.empty() ? "" : "; ";
        text += low.axis == protocol::Axis::X
                    ? i18n::arg(i18n::translate("Window", "%1 lies left of %2"),
                                {shownValue(pair.high, highValue), shownValue(pair.low, lowValue)})
                    : i18n::arg(i18n::translate("Window", "%1 lies above %2"),
                                {shownValue(pair.low, lowValue), shownValue(pair.high, highValue)});
    }
    return text.empty()
               ? text
               : i18n::arg(i18n::translate("Window", "%1: the lines have crossed"), {text});
}

}  // namespace

bool frmMain::boxesShowSequential() const {
    const std::optional<std::uint8_t> mode =
        shownMode == kNoModeShown ? lastReportMode : std::optional<std::uint8_t>(shownMode);
    return mode == protocol::kSequentialMode;
}

void frmMain::ShowDifferences() {
    const protocol::Thresholds held = CurrentThresholds();
    std::size_t unstored = 0;
    if (adaptorHolds_) {
        for (std::size_t address = 0; address < held.size(); ++address) {
            unstored += held[address] != (*adaptorHolds_)[address] ? 1 : 0;
        }
    }
    for (const protocol::Threshold threshold : protocol::thresholdsOfMode(boxesShowSequential())) {
        const std::size_t address = protocol::factsOf(threshold).address;
        std::optional<std::int16_t> adaptorValue;
        if (adaptorHolds_ && held[address] != (*adaptorHolds_)[address]) {
            adaptorValue = (*adaptorHolds_)[address];
        }
        window::markDifference(boxOf(threshold), threshold, adaptorValue);
    }
    // The status line's texts are worked out again only when what they say changed.
    if (unstored != unstoredCounted_) {
        unstoredCounted_ = unstored;
        status.setCondition(
            window::Condition::UnstoredValues,
            unstored == 0 ? std::string() : unstoredText(static_cast<int>(unstored)));
    }
    const std::optional<protocol::Thresholds> checked =
        adaptorHolds_ ? std::optional<protocol::Thresholds>(held) : std::nullopt;
    if (checked != crossingsCheckedFor_) {
        crossingsCheckedFor_ = checked;
        status.setCondition(window::Condition::CrossedLines,
                            checked ? crossedText(held) : std::string());
    }
}
