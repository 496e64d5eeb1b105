// Start-up, close, and the connected and disconnected looks.
#include <algorithm>

#include "window/frm_main.h"

#include "maintenance/upgrade_checks.h"
#include "window/threshold_boxes.h"
#include "window/window_texts.h"

void frmMain::Form_Load() {
    traceHPattern.clear();
    traceSequential.clear();
    DisableUI();
    session.isConnected = FindTheHid();
    if (session.isConnected) {
        EnableUI();
    }
    ShowAccessStatus();
    ShowPresenceStatus(0);

    const float innerWidth = Graph.ScaleWidth();
    const float innerHeight = Graph.ScaleHeight();
    for (toolkit::LineShape* vertical : {&lineV1, &lineV2}) {
        vertical->Y1 = 0;
        vertical->Y2 = innerHeight;
    }
    for (toolkit::LineShape* horizontal : {&lineH1, &LineH2, &SeqH1, &SeqH2}) {
        horizontal->X1 = 0;
        horizontal->X2 = innerWidth;
    }
    Timer.Enabled = true;
}

// A replug leaves the window without an adaptor for half a second or so: only a longer
// absence is worth a word. A condition's text is looked up only when it comes or goes.
void frmMain::ShowPresenceStatus(int elapsedMilliseconds) {
    constexpr int kAbsenceBeforeStatus = 1000;
    absentMilliseconds_ = session.isConnected ? 0
                                              : std::min(absentMilliseconds_ + elapsedMilliseconds,
                                                         2 * kAbsenceBeforeStatus);
    const bool absent = absentMilliseconds_ > kAbsenceBeforeStatus;
    if (absent != status.hasCondition(window::Condition::NoAdaptor)) {
        status.setCondition(
            window::Condition::NoAdaptor,
            absent ? i18n::translate("Window", window::kNoAdaptorStatus) : std::string());
    }
    const bool waitsForFirmware =
        session.isConnected && protocol::isLoader(session.productId) && !upgradeInProgress_;
    if (waitsForFirmware != status.hasCondition(window::Condition::WaitsForFirmware)) {
        status.setCondition(window::Condition::WaitsForFirmware,
                            waitsForFirmware ? maintenance::firmwareWaitStatus(
                                                   options_.firmware, options_.adaptorIsSimulated)
                                             : std::string());
    }
    const bool simulated = session.isConnected && options_.adaptorIsSimulated;
    if (simulated != status.hasCondition(window::Condition::Simulated)) {
        status.setCondition(
            window::Condition::Simulated,
            !simulated ? std::string()
                       : i18n::translate("Window", options_.simulatedHistoryKept
                                                       ? window::kSimulatedHistoryKeptStatus
                                                       : window::kSimulatedStatus));
    }
}

void frmMain::Form_Unload() {
    if (!session.isConnected) {
        return;  // no handle is open: there is nothing to send or close
    }
    protocol::writeSetCalibrationMode(session.featureBuffer, false);
    // The close's record says whether the adaptor took all it was sent, this included.
    refusedStoreReports_ += SendFeatureBuffer(protocol::kCommandLength) ? 0 : 1;
    // A loader's answer to the settings request is no thresholds, and it could take
    // written settings as image data: it gets none.
    if (settingsReadFromAdaptor && !protocol::isLoader(session.productId)) {
        TakeShownThresholdEdits();
        WriteAllSixThresholds();
        TellThresholds(events::Event::StoredAtClose);
    }
    CloseConnection();
}

bool frmMain::QueryUnload() {
    if (upgradeInProgress_) {
        return false;
    }
    Unload();
    return true;
}

void frmMain::Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    Timer.Enabled = false;
    Form_Unload();
    toolkit_.UnloadWindow();
}

void frmMain::EnableUI() {
    if (protocol::reportsLever(session.productId)) {
        btnUpdate.Enabled = true;
        for (toolkit::TextBox* box : {&Text7, &Text8, &Text9, &Text10}) {
            box->Enabled = true;
        }
        for (toolkit::TextBox* box : {&Text7, &Text8, &Text9, &Text10}) {
            box->Visible = true;
        }
        Graph.Enabled = true;
        for (toolkit::RectangleShape* tick : {&TickV1, &TickV2, &TickH1, &TickH2}) {
            tick->Visible = true;
        }
        lblX.Visible = true;
        lblY.Visible = true;
    }
    if (protocol::offersMemoryDump(session.productId)) {
        Command1.Enabled = true;
    }
    Frame1.Enabled = true;
    for (toolkit::Label* label : {&Label2, &Label3, &Label4, &Label5}) {
        label->Enabled = true;
    }
    ReadDeviceSettings();
    Timer.Interval = 10;
}

void frmMain::DisableUI() {
    for (toolkit::TextBox* box : {&Text7, &Text8, &Text9, &Text10}) {
        box->Text.clear();
    }
    for (const protocol::Threshold threshold : protocol::thresholdsOfMode(false)) {
        window::describeThresholdBox(boxOf(threshold), threshold);
    }
    Graph.Cls();
    btnUpdate.Enabled = false;
    Command1.Enabled = false;
    for (toolkit::TextBox* box : {&Text7, &Text8, &Text9, &Text10}) {
        box->Enabled = false;
    }
    for (toolkit::TextBox* box : {&Text7, &Text8, &Text9, &Text10}) {
        box->Visible = false;
    }
    Graph.Enabled = false;
    for (toolkit::LineShape* line : {&lineV1, &lineV2, &lineH1, &LineH2, &SeqH1, &SeqH2}) {
        line->Visible = false;
    }
    for (toolkit::RectangleShape* tick : {&TickV1, &TickV2, &TickH1, &TickH2}) {
        tick->Visible = false;
    }
    for (toolkit::Label* label : {&Label2, &Label3, &Label4, &Label5}) {
        label->Enabled = false;
    }
    Frame1.Enabled = false;
    for (toolkit::Label* label : {&lblManuf, &lblProduct, &lblVersion, &lblSerialNumber}) {
        label->Caption.clear();
    }
    lblX.Visible = false;
    lblY.Visible = false;
    Gear.Caption.clear();
    // An unplugged loader must not leave its button behind: a click on it while
    // disconnected would stop the poll timer for good.
    UpgradeFW.Enabled = false;
    UpgradeFW.Visible = false;
    Timer.Interval = 500;
    Caption = i18n::translate("Window", window::kDisconnectedCaption);
    adaptorHolds_.reset();
}
