// The window's side of the gear-coloured trace and the calibration assistant: both
// only watch displayed reports and, on request, fill the text boxes.
#include <string>

#include "assistant/proposal.h"
#include "window/frm_main.h"

namespace {

bool isSequential(std::uint8_t mode) {
    return mode == protocol::kSequentialMode;
}

}  // namespace

void frmMain::ShowTraceByGear(bool on) {
    traceByGear = on;
    // The whole trace is drawn anew in its new colours.
    Graph.Cls();
    if (shownMode != 255) {
        RedrawVisitedMap(shownMode);
    }
}

std::optional<assistant::Mode> frmMain::assistantMode() const {
    if (shownMode == 255) {
        return std::nullopt;
    }
    return isSequential(shownMode) ? assistant::Mode::Sequential : assistant::Mode::HPattern;
}

std::vector<assistant::ThresholdAt> frmMain::shownThresholds() const {
    std::vector<assistant::ThresholdAt> shown;
    for (const protocol::ThresholdFacts& facts : protocol::kThresholds) {
        if (shownMode != 255 && facts.sequential == isSequential(shownMode)) {
            shown.push_back({facts.threshold, thresholdOf(facts.threshold)});
        }
    }
    return shown;
}

bool frmMain::UseProposedValues() {
    const std::optional<assistant::Mode> mode = assistantMode();
    if (!calibrationAssistant || !mode) {
        return false;
    }
    const std::vector<assistant::ThresholdProposal> proposals =
        assistant::propose(*mode, calibrationAssistant->recording(*mode).records());
    bool filled = false;
    for (const assistant::ThresholdProposal& proposal : proposals) {
        if (proposal.value) {
            boxOf(proposal.threshold).Text = std::to_string(*proposal.value);
            filled = true;
        }
    }
    if (!filled) {
        status.notify("No threshold could be proposed yet: see the assistant's warnings");
        return false;
    }
    // The lines move at once, as they do for typing; typing on starts from the proposals.
    TakeThresholdEdits(shownMode);
    for (const assistant::ThresholdProposal& proposal : proposals) {
        if (proposal.value) {
            typingRunOf(boxOf(proposal.threshold)).settle();
        }
    }
    status.notify("Proposed thresholds are in the boxes: press \"Update settings\" to store them");
    return true;
}

void frmMain::ObserveForAssistant(const protocol::ReportBuffer& report, std::int32_t bytesRead) {
    if (!calibrationAssistant ||
        bytesRead < static_cast<std::int32_t>(protocol::kShifterStateLength)) {
        return;
    }
    const std::uint8_t mode = protocol::modeOf(report[5]);
    calibrationAssistant->observe(
        isSequential(mode) ? assistant::Mode::Sequential : assistant::Mode::HPattern,
        {report[1], report[2]}, assistant::gearOf(report[3]), pollTime);
}
