#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/window_fixture.h"
#include "support/window_looks.h"
#include "window/window_texts.h"

namespace {

using support::CallKind;
using Bytes = std::vector<std::uint8_t>;

// Everything of a control that the looks change.
std::string lookOf(const frmMain& window) {
    std::string look = window.Caption + "|" + std::to_string(window.Timer.Interval) + "|";
    for (const toolkit::Control* control : window.controls()) {
        look += control->name() + (control->Enabled ? "E" : "e") + (control->Visible ? "V" : "v");
        if (const auto* label = dynamic_cast<const toolkit::Label*>(control)) {
            look += "'" + label->Caption + "'";
        }
        if (const auto* box = dynamic_cast<const toolkit::TextBox*>(control)) {
            look += "'" + box->Text + "'";
        }
        look += " ";
    }
    return look;
}

class Lifecycle : public WindowTest {
  protected:
    sim::DeviceId addAdaptorWith(sim::AdaptorIdentity identity,
                                 std::array<std::uint8_t, 6> settings = {40, 200, 60, 190, 70,
                                                                         180}) {
        const sim::DeviceId id = bus.addAdaptor(std::move(identity));
        bus.adaptor(id).settings = settings;
        return id;
    }
};

TEST_F(Lifecycle, StartsDisconnectedWithoutAnAdaptor) {
    frmMain& window = loadWindow();
    EXPECT_FALSE(window.session.isConnected);
    EXPECT_EQ(window.Caption, "Corvane Shifter interface calibration v1.5");
    for (const toolkit::Control* hidden : std::initializer_list<const toolkit::Control*>{
             &window.Text7, &window.Text8, &window.Text9, &window.Text10, &window.lineV1,
             &window.lineV2, &window.lineH1, &window.LineH2, &window.SeqH1, &window.SeqH2,
             &window.TickV1, &window.TickV2, &window.TickH1, &window.TickH2, &window.lblX,
             &window.lblY, &window.UpgradeFW}) {
        EXPECT_FALSE(hidden->Visible) << hidden->name();
    }
    for (const toolkit::Control* disabled : std::initializer_list<const toolkit::Control*>{
             &window.btnUpdate, &window.Command1, &window.Graph, &window.Frame1, &window.Label2,
             &window.Label3, &window.Label4, &window.Label5, &window.UpgradeFW}) {
        EXPECT_FALSE(disabled->Enabled) << disabled->name();
    }
    EXPECT_TRUE(window.Gear.Caption.empty());
    EXPECT_TRUE(window.lblManuf.Caption.empty());
    EXPECT_TRUE(window.Timer.Enabled);
    EXPECT_EQ(window.Timer.Interval, 500);
    EXPECT_TRUE(window.Graph.raster().empty() ||
                window.Graph.raster() ==
                    std::vector<std::uint8_t>(window.Graph.raster().size(), 0));
}

TEST_F(Lifecycle, StartsConnectedToAKelvoAdaptorWithEverythingOffered) {
    addAdaptorWith(sim::kelvoIdentity());
    frmMain& window = loadWindow();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.Caption, "Kelvo shifter interface calibration v1.5");
    EXPECT_TRUE(window.btnUpdate.Enabled);
    EXPECT_TRUE(window.Command1.Enabled);
    EXPECT_TRUE(window.Graph.Enabled);
    EXPECT_TRUE(window.Frame1.Enabled);
    EXPECT_TRUE(window.Label3.Enabled);
    for (const toolkit::TextBox* box :
         {&window.Text7, &window.Text8, &window.Text9, &window.Text10}) {
        EXPECT_TRUE(box->Enabled && box->Visible) << box->name();
    }
    EXPECT_TRUE(window.TickH2.Visible && window.lblX.Visible && window.lblY.Visible);
    // The lines wait for the first report.
    EXPECT_FALSE(window.lineV1.Visible || window.SeqH1.Visible);
    EXPECT_FALSE(window.UpgradeFW.Visible);
    EXPECT_EQ(window.Timer.Interval, 10);
    EXPECT_TRUE(window.Timer.Enabled);
}

TEST_F(Lifecycle, StartsWithAUsbShifterAdaptorWithoutTheMemoryDump) {
    addAdaptorWith(sim::usbShifterIdentity());
    frmMain& window = loadWindow();
    EXPECT_EQ(window.Caption, "USB shifter interface calibration v1.5");
    EXPECT_TRUE(window.btnUpdate.Enabled);
    EXPECT_TRUE(window.Text9.Visible);
    EXPECT_FALSE(window.Command1.Enabled);
    EXPECT_FALSE(window.UpgradeFW.Visible);
}

TEST_F(Lifecycle, StartsWithTheLoaderOfferingOnlyTheUpgrade) {
    bus.addAdaptor(sim::loaderIdentity());
    frmMain& window = loadWindow();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.Caption, "Kelvo/Mirad shifter interface calibration");
    EXPECT_TRUE(window.Frame1.Enabled && window.Label2.Enabled && window.Label5.Enabled);
    EXPECT_FALSE(window.btnUpdate.Enabled || window.Command1.Enabled || window.Graph.Enabled);
    EXPECT_FALSE(window.Text7.Visible || window.TickV1.Visible || window.lblX.Visible);
    EXPECT_TRUE(window.UpgradeFW.Enabled && window.UpgradeFW.Visible);
    EXPECT_EQ(window.Timer.Interval, 10);
}

TEST_F(Lifecycle, StretchesTheLinesAcrossThePlotWhateverTheConnection) {
    frmMain& window = loadWindow();
    for (const toolkit::LineShape* vertical : {&window.lineV1, &window.lineV2}) {
        EXPECT_EQ(vertical->Y1, 0);
        EXPECT_EQ(vertical->Y2, 3840);
    }
    EXPECT_EQ(window.lineV1.X1, 480);  // across stays as designed
    for (const toolkit::LineShape* horizontal :
         {&window.lineH1, &window.LineH2, &window.SeqH1, &window.SeqH2}) {
        EXPECT_EQ(horizontal->X1, 0);
        EXPECT_EQ(horizontal->X2, 3840);
    }
    EXPECT_EQ(window.SeqH2.Y1, 1680);
}

TEST_F(Lifecycle, DisconnectedLookIsTheSameWhenAppliedTwice) {
    addAdaptorWith(sim::kelvoIdentity());
    frmMain& window = loadWindow();
    window.DisableUI();
    const std::string once = lookOf(window);
    EXPECT_EQ(support::disconnectedLookDifferences(window), "");
    window.DisableUI();
    EXPECT_EQ(lookOf(window), once);
}

TEST_F(Lifecycle, ConnectedLookAfterTheDisconnectedOneShowsNoLine) {
    addAdaptorWith(sim::kelvoIdentity());
    frmMain& window = loadWindow();
    window.DisableUI();
    window.EnableUI();
    for (const toolkit::LineShape* line : {&window.lineV1, &window.lineV2, &window.lineH1,
                                           &window.LineH2, &window.SeqH1, &window.SeqH2}) {
        EXPECT_FALSE(line->Visible) << line->name();
    }
}

TEST_F(Lifecycle, ClosingWhileConnectedStoresAllSixThenClosesDeviceHandleFirst) {
    addAdaptorWith(sim::kelvoIdentity());
    frmMain& window = loadWindow();
    const hid::Handle device = window.session.deviceHandle;
    const hid::Handle input = window.session.inputHandle;
    hid.clearLog();
    window.Form_Unload();

    EXPECT_EQ(featureReportsSent().size(), 7U);
    std::vector<Bytes> firstBytes;
    for (const Bytes& report : featureReportsSent()) {
        ASSERT_EQ(report.size(), 65U);
        firstBytes.push_back(Bytes(report.begin(), report.begin() + 4));
    }
    EXPECT_EQ(firstBytes, (std::vector<Bytes>{{0, 0xDB, 0, 0},
                                              {0, 0xEE, 3, 190},
                                              {0, 0xEE, 2, 60},
                                              {0, 0xEE, 0, 40},
                                              {0, 0xEE, 1, 200},
                                              {0, 0xEE, 5, 180},
                                              {0, 0xEE, 4, 70}}));
    std::vector<hid::Handle> closed;
    for (const support::CallRecord& call : hid.log()) {
        if (call.kind == CallKind::Close && call.result) {
            closed.push_back(call.handle);
        }
    }
    EXPECT_EQ(closed, (std::vector<hid::Handle>{device, input}));
    EXPECT_EQ(bus.openHandleCount(), 0U);
}

TEST_F(Lifecycle, ClosingWhenDisconnectedSendsAndClosesNothing) {
    const sim::DeviceId adaptor = addAdaptorWith(sim::kelvoIdentity());
    frmMain& window = loadWindow();
    bus.unplug(adaptor);
    window.Timer_Timer();
    ASSERT_FALSE(window.session.isConnected);
    hid.clearLog();
    window.Form_Unload();
    EXPECT_EQ(callsOf(CallKind::SetFeature), 0U);
    EXPECT_EQ(callsOf(CallKind::Close), 0U);
}

TEST_F(Lifecycle, AFailedSettingsFetchIsNeverWrittenBack) {
    const sim::DeviceId adaptor = addAdaptorWith(sim::kelvoIdentity(), {1, 2, 3, 4, 5, 6});
    hid.failCalls(CallKind::GetFeature);
    frmMain& window = loadWindow();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_FALSE(window.settingsReadFromAdaptor);
    // The boxes keep what they held: the disconnected look left them empty.
    EXPECT_EQ(window.Text9.Text, "");
    EXPECT_EQ(window.thresholdV1, 0);

    hid.clearLog();
    window.Form_Unload();
    const auto sent = featureReportsSent();
    ASSERT_EQ(sent.size(), 1U);  // calibration mode off only
    EXPECT_EQ(sent[0][1], 0xDB);
    EXPECT_EQ(bus.adaptor(adaptor).settings, (std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(bus.openHandleCount(), 0U);
}

TEST_F(Lifecycle, ASuccessfulReadAfterReconnectingMakesTheWriteBackDueAgain) {
    const sim::DeviceId adaptor = addAdaptorWith(sim::kelvoIdentity(), {1, 2, 3, 4, 5, 6});
    hid.failCalls(CallKind::GetFeature);
    frmMain& window = loadWindow();
    ASSERT_FALSE(window.settingsReadFromAdaptor);

    hid.failCalls(CallKind::GetFeature, false);
    bus.unplug(adaptor);
    window.Timer_Timer();
    bus.replug(adaptor);
    window.Timer_Timer();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_TRUE(window.settingsReadFromAdaptor);
    EXPECT_EQ(window.Text9.Text, "1");

    hid.clearLog();
    window.Form_Unload();
    EXPECT_EQ(featureReportsSent().size(), 7U);
}

TEST_F(Lifecycle, SaysSoOnlyWhenTheSystemKeepsRefusingToOpenTheAdaptor) {
    const sim::DeviceId held = addAdaptorWith(sim::kelvoIdentity());
    bus.device(held).refuseOpen = true;
    frmMain& window = loadWindow();
    const float designedHeight = window.ClientHeight();
    EXPECT_FALSE(window.lblStatus.Visible);  // a refusal right after plug-in is normal
    window.Timer_Timer();
    EXPECT_FALSE(window.lblStatus.Visible);
    window.Timer_Timer();  // about a second of refusals
    EXPECT_TRUE(window.lblStatus.Visible);
    EXPECT_GT(window.ClientHeight(), designedHeight);
    EXPECT_EQ(window.Caption, "Corvane Shifter interface calibration v1.5");
    window.Timer_Timer();  // long enough for the no-adaptor note, which gives way
    EXPECT_EQ(window.status.text(), window::kAccessRefusedStatus);

    bus.device(held).refuseOpen = false;
    window.Timer_Timer();
    EXPECT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.status.text(), window::kSimulatedStatus);
}

TEST_F(Lifecycle, TheRefusalShowsTheDiagnosisAdviceAskedOncePerRefusal) {
    const sim::DeviceId held = addAdaptorWith(sim::kelvoIdentity());
    bus.device(held).refuseOpen = true;
    int asked = 0;
    std::string advice = "Re-trigger udev.";
    WindowOptions options = simulatedOptions();
    options.accessAdvice = [&] {
        ++asked;
        return advice;
    };
    frmMain& window = createWindow(options);
    window.Form_Load();
    for (int tick = 0; tick < 6; ++tick) {
        window.Timer_Timer();
    }
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(window.status.text(), "Re-trigger udev.");
    EXPECT_TRUE(window.status.shows(window::Condition::AccessRefused));

    // A refusal the diagnosis cannot explain gets the general advice.
    bus.device(held).refuseOpen = false;
    window.Timer_Timer();
    ASSERT_TRUE(window.session.isConnected);
    bus.unplug(held);
    window.Timer_Timer();
    bus.device(held).refuseOpen = true;
    bus.replug(held);
    advice.clear();
    for (int tick = 0; tick < 4; ++tick) {
        window.Timer_Timer();
    }
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(window.status.text(), window::kAccessRefusedStatus);
}

TEST_F(Lifecycle, AnAdaptorWhoseCapabilitiesCannotBeReadIsRefusedAndTheUserToldToReplug) {
    addAdaptorWith(sim::kelvoIdentity());
    hid.failCalls(CallKind::GetCapabilities);
    frmMain& window = loadWindow();
    EXPECT_FALSE(window.session.isConnected);
    EXPECT_TRUE(window.lblStatus.Visible);
    EXPECT_EQ(window.status.text(), window::kAdaptorUnreadableStatus);
    EXPECT_EQ(callsOf(CallKind::SetFeature), 0U);
    EXPECT_EQ(bus.openHandleCount(), 0U);

    hid.failCalls(CallKind::GetCapabilities, false);
    window.Timer_Timer();
    EXPECT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.status.text(), window::kSimulatedStatus);
}

// Feature reports too short for the settings reply, or too long for the buffers: refused
// like unreadable capabilities, and the status line says why.
TEST_F(Lifecycle, AnAdaptorWithUnusableFeatureReportsIsRefusedAndTheStatusSaysWhy) {
    for (const std::uint16_t length : {7, 258}) {
        sim::AdaptorIdentity identity = sim::kelvoIdentity();
        identity.featureReportByteLength = length;
        const sim::DeviceId held = addAdaptorWith(identity);
        frmMain& window = loadWindow();
        EXPECT_FALSE(window.session.isConnected);
        EXPECT_EQ(window.status.text(),
                  "The adaptor is plugged in, but its feature reports are " +
                      std::to_string(length) +
                      " bytes long, and this program can exchange settings only in reports of 8 "
                      "to 257 bytes: nothing is sent to it.");
        EXPECT_EQ(callsOf(CallKind::SetFeature), 0U);
        EXPECT_EQ(bus.openHandleCount(), 0U);
        bus.unplug(held);
    }
}

TEST_F(Lifecycle, SaysNoAdaptorOnlyAfterMoreThanASecondWithoutOne) {
    bus.addForeignDevice(0x046D, 0xC52B);
    frmMain& window = loadWindow();
    const float designedHeight = window.ClientHeight();
    window.Timer_Timer();
    window.Timer_Timer();  // a second of searching
    EXPECT_FALSE(window.lblStatus.Visible);
    EXPECT_EQ(window.ClientHeight(), designedHeight);
    window.Timer_Timer();
    EXPECT_EQ(window.status.text(), window::kNoAdaptorStatus);
    EXPECT_GT(window.ClientHeight(), designedHeight);

    bus.addAdaptor(sim::kelvoIdentity());
    window.Timer_Timer();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.status.text(), window::kSimulatedStatus);

    // A simulated adaptor whose history is kept does not say that nothing is.
    WindowOptions kept = simulatedOptions();
    kept.simulatedHistoryKept = true;
    frmMain keeping(hid, toolkit, kept);
    keeping.Form_Load();
    EXPECT_EQ(keeping.status.text(), window::kSimulatedHistoryKeptStatus);
}

TEST_F(Lifecycle, AReplugIsNoAbsenceAndARealAdaptorHasNoNote) {
    const sim::DeviceId adaptor = addAdaptorWith(sim::kelvoIdentity());
    WindowOptions real = simulatedOptions();
    real.adaptorIsSimulated = false;
    createdWindow = std::make_unique<frmMain>(hid, toolkit, real);
    createdWindow->Form_Load();
    EXPECT_FALSE(createdWindow->lblStatus.Visible);

    bus.unplug(adaptor);
    createdWindow->Timer_Timer();
    createdWindow->Timer_Timer();
    EXPECT_FALSE(createdWindow->session.isConnected);
    EXPECT_FALSE(createdWindow->lblStatus.Visible);
    bus.replug(adaptor);
    createdWindow->Timer_Timer();
    EXPECT_TRUE(createdWindow->session.isConnected);
    EXPECT_FALSE(createdWindow->lblStatus.Visible);
}

}  // namespace
