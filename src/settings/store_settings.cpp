// "Update settings": stores the thresholds of the adaptor's current mode.
#include "window/frm_main.h"

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
    if (lastReportMode == protocol::kSequentialMode) {
        WriteSetting(protocol::kAddressSeqH1, thresholdSeqH1);
        WriteSetting(protocol::kAddressSeqH2, thresholdSeqH2);
    } else {
        WriteSetting(protocol::kAddressH1, thresholdH1);
        WriteSetting(protocol::kAddressH2, thresholdH2);
        WriteSetting(protocol::kAddressV1, thresholdV1);
        WriteSetting(protocol::kAddressV2, thresholdV2);
    }
    RecordCalibration(history::Event::StoredByUpdate);
}
