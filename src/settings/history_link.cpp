// What the window tells its history, and putting a calibration back into the window.
#include <string_view>

#include "window/frm_main.h"

namespace {

// Identity labels show their text after one blank.
std::string labelText(const toolkit::Label& label) {
    std::string_view text = label.Caption;
    if (text.starts_with(' ')) {
        text.remove_prefix(1);
    }
    return std::string(text);
}

}  // namespace

history::Thresholds frmMain::CurrentThresholds() const {
    history::Thresholds values{};
    for (const protocol::ThresholdFacts& facts : protocol::kThresholds) {
        values[facts.address] = static_cast<std::uint8_t>(thresholdOf(facts.threshold));
    }
    return values;
}

void frmMain::RestoreThresholds(const history::Thresholds& values, const std::string& origin) {
    for (const protocol::ThresholdFacts& facts : protocol::kThresholds) {
        thresholdOf(facts.threshold) = values[facts.address];
    }
    FillThresholdBoxes();
    if (lastReportMode) {
        TakeThresholdEdits(*lastReportMode);  // the lines follow the boxes at once
    }
    RecordCalibration(history::Event::Restored);
    status.notify("Restored " + origin + "; press Store all six to write it to the adaptor");
}

void frmMain::RecordRead() {
    readAtConnection.reset();
    if (!settingsReadFromAdaptor || !protocol::reportsLever(session.productId)) {
        return;
    }
    history::Entry read;
    read.adaptor.productId = static_cast<std::uint16_t>(session.productId);
    read.adaptor.product = labelText(lblProduct);
    read.adaptor.serialNumber = labelText(lblSerialNumber);
    read.adaptor.version = session.attributes.VersionNumber;
    read.values = CurrentThresholds();
    readAtConnection = read;
    RecordCalibration(history::Event::Read);
}

void frmMain::RecordCalibration(history::Event event) {
    const bool accepted = refusedSettingWrites_ == 0;
    refusedSettingWrites_ = 0;
    if (!readAtConnection || options_.history == nullptr) {
        return;
    }
    history::Entry entry;
    entry.adaptor = readAtConnection->adaptor;
    entry.event = event;
    entry.values = CurrentThresholds();
    entry.accepted = accepted;
    const std::string notice = options_.history->record(entry).notice;
    if (!notice.empty()) {
        status.notify(notice);
    }
}
