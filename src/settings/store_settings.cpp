// "Update settings": stores the thresholds of the adaptor's current mode and says on
// the status line what went out and whether the adaptor took it.
#include <string>
#include <vector>

#include "i18n/translate.h"
#include "window/frm_main.h"
#include "window/threshold_boxes.h"

namespace {

struct Setting {
    const protocol::ThresholdFacts& facts;
    const toolkit::TextBox& box;
    std::int16_t value;
};

// Names each box whose text was refused and the value its line shows, which is what
// went out in its place; empty when every box's text was taken.
std::string refusedTexts(const std::vector<Setting>& values) {
    std::string text;
    for (const Setting& setting : values) {
        if (!setting.box.refused) {
            continue;
        }
        const std::string name = setting.facts.name;
        text +=
            (text.empty() ? "" : "; ") +
            i18n::arg(i18n::translate("Window",
                                      "%1 shows %2, which is not a threshold "
                                      "(%3): %1 stays %4"),
                      {name, setting.box.Text, i18n::translate("Window", protocol::kThresholdRange),
                       std::to_string(setting.value)});
    }
    return text;
}

std::string storedNotice(const std::vector<Setting>& values, std::size_t refused) {
    const std::string refusedText = refusedTexts(values);
    if (refused != 0) {
        const std::string notAccepted = i18n::arg(
            i18n::translate("Window", "The adaptor did not accept %1 of %2 values; try again"),
            {std::to_string(refused), std::to_string(values.size())});
        return refusedText.empty() ? notAccepted : refusedText + ". " + notAccepted;
    }
    if (!refusedText.empty()) {
        return refusedText;
    }
    std::string text = i18n::translate("Window", "Stored in the adaptor: ");
    for (const Setting& stored : values) {
        if (&stored != &values.front()) {
            text += ", ";
        }
        text += std::string(stored.facts.name) + " " + std::to_string(stored.value);
    }
    return text;
}

}  // namespace

void frmMain::btnUpdate_Click() {
    if (!session.isConnected) {
        return;
    }
    if (!settingsReadFromAdaptor) {
        // The thresholds did not come from this adaptor: storing them could overwrite
        // its calibration with values nobody gave it.
        toolkit_.MessageBox(i18n::translate("Window", "Update settings"),
                            i18n::translate("Window",
                                            "The adaptor's stored settings could not be read, "
                                            "so nothing was stored. Unplug the adaptor, plug "
                                            "it in again and retry."));
        return;
    }
    TakeShownThresholdEdits();
    // The mode of the newest report shown; the reports themselves stay with the plot.
    std::vector<Setting> settings;
    for (const protocol::Threshold threshold :
         protocol::thresholdsOfMode(lastReportMode == protocol::kSequentialMode)) {
        settings.push_back(
            {protocol::factsOf(threshold), boxOf(threshold), thresholdOf(threshold)});
    }
    std::size_t refused = 0;
    for (const Setting& setting : settings) {
        refused += WriteSetting(setting.facts.address, setting.value) ? 0 : 1;
        // What went out is the box's value now: typing on from it starts a new run.
        typingRunOf(setting.box).settle();
    }
    TellThresholds(events::Event::StoredByUpdate);
    status.notify(storedNotice(settings, refused));
}
