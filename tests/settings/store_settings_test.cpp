#include <gtest/gtest.h>

#include <vector>

#include "support/window_fixture.h"
#include "window/window_texts.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class StoreSettings : public WindowTest {
  protected:
    frmMain& connect(std::array<std::uint8_t, 6> settings) {
        adaptor = bus.addAdaptor();
        bus.adaptor(adaptor).settings = settings;
        return loadWindow();
    }
    // Bytes 1..3 of the feature reports sent since the log was cleared.
    std::vector<Bytes> commandsSent() const {
        std::vector<Bytes> commands;
        for (const Bytes& report : featureReportsSent()) {
            commands.push_back(Bytes(report.begin() + 1, report.begin() + 4));
        }
        return commands;
    }
    sim::DeviceId adaptor = 0;
};

TEST_F(StoreSettings, StoresTheFourHPatternThresholdsInTheirOrder) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    bus.queueLever(adaptor, {10, 10, false});
    window.Timer_Timer();
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_EQ(commandsSent(),
              (std::vector<Bytes>{{0xEE, 3, 190}, {0xEE, 2, 60}, {0xEE, 0, 40}, {0xEE, 1, 200}}));
    EXPECT_EQ(window.status.text(), "Stored in the adaptor: H1 190, H2 60, V1 40, V2 200");
    // Each click sends them again.
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_EQ(commandsSent().size(), 4U);
}

TEST_F(StoreSettings, StoresTheTwoSequentialThresholdsInSequentialMode) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    bus.queueLever(adaptor, {10, 10, true});
    window.Timer_Timer();
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_EQ(commandsSent(), (std::vector<Bytes>{{0xEE, 5, 180}, {0xEE, 4, 70}}));
    EXPECT_EQ(window.status.text(), "Stored in the adaptor: Seq H1 180, Seq H2 70");
}

TEST_F(StoreSettings, SaysHowManyValuesTheAdaptorRefusedAndTheNoticePasses) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    bus.queueLever(adaptor, {10, 10, false});
    window.Timer_Timer();
    hid.clearLog();
    hid.failCall(hid.callCount() + 1);  // the second of the four
    window.btnUpdate_Click();
    EXPECT_EQ(hid.log().size(), 4U);  // no retry, no extra report
    EXPECT_EQ(commandsSent().size(), 3U);
    EXPECT_EQ(window.status.text(), "The adaptor did not accept 1 of 4 values; try again");

    // The notice passes after its few seconds; the simulated-adaptor note stays.
    for (int elapsed = 0; elapsed <= window::StatusLine::kNoticeMilliseconds; elapsed += 10) {
        bus.queueLever(adaptor, {10, 10, false});
        window.Timer_Timer();
    }
    EXPECT_EQ(window.status.text(), window::kSimulatedStatus);
}

TEST_F(StoreSettings, StoresWhatWasTypedAndAcceptedButNotARefusedText) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    window.Text9.Text = "50";
    window.Text10.Text = "300";  // refused: the last accepted value stays
    bus.queueLever(adaptor, {10, 10, false});
    window.Timer_Timer();
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_EQ(commandsSent(),
              (std::vector<Bytes>{{0xEE, 3, 190}, {0xEE, 2, 60}, {0xEE, 0, 50}, {0xEE, 1, 200}}));
    EXPECT_EQ(window.Text10.Text, "300");
    EXPECT_EQ(bus.adaptor(adaptor).settings[0], 50);
}

TEST_F(StoreSettings, LeavesTheBytesFromFourOnAsTheyWere) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    window.session.featureBuffer[4] = 0x5A;
    hid.clearLog();
    window.btnUpdate_Click();
    for (const Bytes& report : featureReportsSent()) {
        EXPECT_EQ(report[4], 0x5A);
    }
}

TEST_F(StoreSettings, DoesNothingWhenDisconnected) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    bus.unplug(adaptor);
    window.Timer_Timer();
    ASSERT_FALSE(window.session.isConnected);
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_TRUE(hid.log().empty());
}

TEST_F(StoreSettings, RefusesToStoreThresholdsThatWereNeverReadAndSaysSo) {
    adaptor = bus.addAdaptor();
    hid.failCalls(support::CallKind::GetFeature);
    frmMain& window = loadWindow();
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_TRUE(featureReportsSent().empty());
    ASSERT_EQ(toolkit.messages.size(), 1U);
}

}  // namespace
