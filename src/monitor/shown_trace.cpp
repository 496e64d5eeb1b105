// The window's side of the gear-coloured trace and of the features that watch the
// displayed reports; filling the boxes as if typed, for restores and proposals.
#include <algorithm>
#include <string>

#include "window/frm_main.h"

#include "i18n/translate.h"
#include "protocol/threshold_range.h"

namespace {

bool isSequential(std::uint8_t mode) {
    return mode == protocol::kSequentialMode;
}

}  // namespace

void frmMain::ShowTraceByGear(bool on) {
    traceByGear = on;
    // The whole trace is drawn anew in its new colours.
    Graph.Cls();
    if (shownMode != kNoModeShown) {
        RedrawVisitedMap(shownMode);
    }
}

std::vector<protocol::ThresholdValue> frmMain::shownThresholds() const {
    std::vector<protocol::ThresholdValue> shown;
    for (const protocol::ThresholdFacts& facts : protocol::kThresholds) {
        if (shownMode != kNoModeShown && facts.sequential == isSequential(shownMode)) {
            shown.push_back({facts.threshold, thresholdOf(facts.threshold)});
        }
    }
    return shown;
}

bool frmMain::TypeThresholds(const std::vector<protocol::ThresholdValue>& values) {
    const auto mayNotStore = [this](const protocol::ThresholdValue& typed) {
        const std::size_t address = protocol::factsOf(typed.threshold).address;
        return !protocol::mayStore(typed.value, adaptorHolds_
                                                    ? std::optional<int>((*adaptorHolds_)[address])
                                                    : std::nullopt);
    };
    if (std::any_of(values.begin(), values.end(), mayNotStore)) {
        return false;
    }
    // The upper two boxes show H1 and H2, or the sequential pair, by the newest mode.
    const bool sequential = lastReportMode == protocol::kSequentialMode;
    for (const protocol::ThresholdValue& typed : values) {
        thresholdOf(typed.threshold) = static_cast<std::int16_t>(typed.value);
        const protocol::ThresholdFacts& facts = protocol::factsOf(typed.threshold);
        if (facts.axis == protocol::Axis::X || facts.sequential == sequential) {
            toolkit::TextBox& box = boxOf(typed.threshold);
            box.Text = std::to_string(typed.value);
            typingRunOf(box).settle();  // typing on starts from the value put in
        }
    }
    if (lastReportMode) {
        TakeThresholdEdits(*lastReportMode);  // the lines follow the boxes at once
    }
    ShowDifferences();
    return true;
}

bool frmMain::UseProposedValues(const std::vector<protocol::ThresholdValue>& proposed) {
    if (shownMode == kNoModeShown) {
        return false;
    }
    if (proposed.empty()) {
        status.notify(i18n::translate(
            "Window", "No threshold could be proposed yet: see the assistant's warnings"));
        return false;
    }
    if (!TypeThresholds(proposed)) {
        return false;
    }
    status.notify(i18n::translate(
        "Window", "Proposed thresholds are in the boxes: press \"Update settings\" to store them"));
    return true;
}

void frmMain::TellReportShown(const protocol::ReportBuffer& report, std::int32_t bytesRead) {
    if (bytesRead < static_cast<std::int32_t>(protocol::kShifterStateLength)) {
        return;
    }
    const events::ShownReport shown{isSequential(protocol::modeOf(report[5])), report[1], report[2],
                                    report[3], pollTime};
    for (events::WindowObserver* observer : observers_) {
        observer->reportShown(shown);
    }
}
