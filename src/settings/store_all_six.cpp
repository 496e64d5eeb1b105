// "Store all six thresholds": what the close stores, on request and without closing.
#include <string>

#include "window/frm_main.h"

#include "i18n/translate.h"

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
        toolkit_.MessageBox(i18n::translate("Window", "Store all six thresholds"),
                            i18n::translate("Window",
                                            "Nothing was stored: the adaptor's thresholds could "
                                            "not be read when it connected. Unplug the adaptor, "
                                            "plug it in again and retry."));
        return;
    }
    TakeShownThresholdEdits();
    WriteAllSixThresholds();
    for (monitor::TypingRun& run : typingRuns_) {
        run.settle();
    }
    const std::size_t refused = refusedStoreReports_;
    TellThresholds(events::Event::StoredAllSix);
    status.notify(refused == 0
                      ? i18n::translate("Window", "Stored all six thresholds in the adaptor")
                      : i18n::arg(i18n::translate("Window",
                                                  "The adaptor did not accept %1 of "
                                                  "the six thresholds; try again"),
                                  {std::to_string(refused)}));
}
