// "Update settings": stores the thresholds of the adaptor's current mode and says on
// the status line what went out and whether the adaptor took it.
#include <string>
#include <vector>

#include "window/frm_main.h"
#include "window/threshold_boxes.h"

namespace {

struct Setting {
    std::uint8_t address;
    const window::ThresholdName& name;
    std::int16_t value;
};

std::string storedNotice(const std::vector<Setting>& values, std::size_t refused) {
    if (refused != 0) {
        return "The adaptor did not accept " + std::to_string(refused) + " of " +
               std::to_string(values.size()) + " values; try again";
    }
    std::string text = "Stored in the adaptor: ";
    for (const Setting& stored : values) {
        if (&stored != &values.front()) {
            text += ", ";
        }
        text += std::string(stored.name.shortName) + " " + std::to_string(stored.value);
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
        toolkit_.MessageBox("Update settings",
                            "The adaptor's stored settings could not be read, so nothing was "
                            "stored. Unplug the adaptor, plug it in again and retry.");
        return;
    }
    // The mode of the newest report shown; the reports themselves stay with the plot.
    const std::vector<Setting> settings =
        lastReportMode == protocol::kSequentialMode
            ? std::vector<Setting>{{protocol::kAddressSeqH1, window::kSeqH1, thresholdSeqH1},
                                   {protocol::kAddressSeqH2, window::kSeqH2, thresholdSeqH2}}
            : std::vector<Setting>{{protocol::kAddressH1, window::kH1, thresholdH1},
                                   {protocol::kAddressH2, window::kH2, thresholdH2},
                                   {protocol::kAddressV1, window::kV1, thresholdV1},
                                   {protocol::kAddressV2, window::kV2, thresholdV2}};
    std::size_t refused = 0;
    for (const Setting& setting : settings) {
        refused += WriteSetting(setting.address, setting.value) ? 0 : 1;
    }
    RecordCalibration(history::Event::StoredByUpdate);
    status.notify(storedNotice(settings, refused));
}
