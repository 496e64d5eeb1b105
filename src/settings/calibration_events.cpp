// What the window tells the features that watch it, and putting a calibration back into
// the window.
#include <string>
#include <string_view>

#include "window/frm_main.h"

#include "i18n/translate.h"
#include "protocol/threshold_range.h"

namespace {

// Identity labels show their text after one blank.
std::string labelText(const toolkit::Label& label) {
    std::string_view text = label.Caption;
    if (text.starts_with(' ')) {
        text.remove_prefix(1);
    }
    return std::string(text);
}

// The menu item as the menu bar shows it, in the user's language: "Adaptor > Store all
// six thresholds".
std::string storeAllSixMenuPath() {
    const auto shown = [](std::string text) {
        std::erase(text, '&');  // the menu's key marker
        return text;
    };
    return shown(i18n::translate("gui::FormWidget", "&Adaptor")) + " > " +
           shown(i18n::translate("gui::CalibrationMenus", "&Store all six thresholds"));
}

}  // namespace

protocol::Thresholds frmMain::CurrentThresholds() const {
    protocol::Thresholds values{};
    for (const protocol::ThresholdFacts& facts : protocol::kThresholds) {
        values[facts.address] = static_cast<std::uint8_t>(thresholdOf(facts.threshold));
    }
    return values;
}

std::string frmMain::UnstorableReason(const protocol::Thresholds& values) const {
    const auto unstorable = protocol::firstUnstorable(values, adaptorHolds_);
    return unstorable ? protocol::notAThresholdText(protocol::factsOf(unstorable->threshold).name,
                                                    unstorable->value)
                      : std::string();
}

bool frmMain::RestoreThresholds(const protocol::Thresholds& values, const std::string& origin) {
    std::vector<protocol::ThresholdValue> typed;
    for (const protocol::ThresholdFacts& facts : protocol::kThresholds) {
        typed.push_back({facts.threshold, values[facts.address]});
    }
    if (!TypeThresholds(typed)) {
        status.notify(i18n::arg(i18n::translate("Window", "Nothing was restored: %1"),
                                {UnstorableReason(values)}));
        return false;
    }
    TellThresholds(events::Event::Restored);
    if (adaptorHolds_ == CurrentThresholds()) {
        status.notify(i18n::arg(
            i18n::translate("Window", "Restored %1; the adaptor holds the same values"), {origin}));
    } else {
        status.notify(i18n::arg(
            i18n::translate("Window", "Restored %1; to write it to the adaptor, choose %2"),
            {origin, storeAllSixMenuPath()}));
    }
    return true;
}

void frmMain::TellConnection() {
    refusedStoreReports_ = 0;
    std::optional<events::Reading> read;
    if (settingsReadFromAdaptor && protocol::reportsLever(session.productId)) {
        read.emplace();
        read->adaptor.productId = static_cast<std::uint16_t>(session.productId);
        read->adaptor.product = labelText(lblProduct);
        read->adaptor.serialNumber = labelText(lblSerialNumber);
        read->adaptor.version = session.attributes.VersionNumber;
        read->values = CurrentThresholds();
    }
    for (events::WindowObserver* observer : observers_) {
        notifyIfAny(observer->connected(read));
    }
    ShowDifferences();
}

void frmMain::TellThresholds(events::Event event) {
    const bool accepted = refusedStoreReports_ == 0;
    refusedStoreReports_ = 0;
    const protocol::Thresholds values = CurrentThresholds();
    for (events::WindowObserver* observer : observers_) {
        notifyIfAny(observer->thresholdsChanged(event, values, accepted));
    }
    ShowDifferences();
}

void frmMain::notifyIfAny(const std::string& notice) {
    if (!notice.empty()) {
        status.notify(notice);
    }
}

void frmMain::attach(events::WindowObserver& observer) {
    observers_.push_back(&observer);
}

void frmMain::detach(events::WindowObserver& observer) {
    std::erase(observers_, &observer);
}
