// "Store all six thresholds": what the close stores, on request and without closing.
#include <string>

#include "window/frm_main.h"

void frmMain::WriteAllSixThresholds() {
    for (const protocol::Threshold threshold : protocol::kStoreOrder) {
        WriteSetting(protocol::factsOf(threshold).address, thresholdOf(threshold));
    }
}

void frmMain::StoreAllSix() {
    if (!session.isConnected || !protocol::reportsLever(session.productId)) {
        return;
    }
    if (!settingsReadFromAdaptor) {
        // The other mode's values never came from this adaptor nor from the user.
        toolkit_.MessageBox("Store all six thresholds",
                            "Nothing was stored: the adaptor's thresholds could not be read "
                            "when it connected. Unplug the adaptor, plug it in again and retry.");
        return;
    }
    TakeShownThresholdEdits();
    WriteAllSixThresholds();
    for (monitor::TypingRun& run : typingRuns_) {
        run.settle();
    }
    const std::size_t refused = refusedStoreReports_;
    TellThresholds(events::Event::StoredAllSix);
    status.notify(refused == 0 ? std::string("Stored all six thresholds in the adaptor")
                               : "The adaptor did not accept " + std::to_string(refused) +
                                     " of the six thresholds; try again");
}
