#include <gtest/gtest.h>

#include <string>

#include "support/window_fixture.h"

namespace {

using support::CallKind;

class ReadSettings : public WindowTest {
  protected:
    sim::DeviceId addKelvo(std::u16string manufacturer, std::u16string product,
                           std::u16string serial = u"S1", std::uint16_t version = 0x0105) {
        sim::AdaptorIdentity identity = sim::kelvoIdentity();
        identity.manufacturer = std::move(manufacturer);
        identity.product = std::move(product);
        identity.serialNumber = std::move(serial);
        identity.versionNumber = version;
        return bus.addAdaptor(identity);
    }
};

TEST_F(ReadSettings, FillsTheThresholdsAndBoxesFromTheAdaptor) {
    const sim::DeviceId adaptor = addKelvo(u"Maker", u"Kelvo");
    bus.adaptor(adaptor).settings = {11, 22, 33, 44, 55, 255};
    frmMain& window = loadWindow();
    EXPECT_EQ(window.thresholdV1, 11);
    EXPECT_EQ(window.thresholdV2, 22);
    EXPECT_EQ(window.thresholdH2, 33);
    EXPECT_EQ(window.thresholdH1, 44);
    EXPECT_EQ(window.thresholdSeqH2, 55);
    EXPECT_EQ(window.thresholdSeqH1, 255);
    EXPECT_EQ(window.Text9.Text, "11");
    EXPECT_EQ(window.Text10.Text, "22");
    // No report yet: the H-pattern pair.
    EXPECT_EQ(window.Text7.Text, "44");
    EXPECT_EQ(window.Text8.Text, "33");
    EXPECT_EQ(window.shownMode, 255);
    EXPECT_TRUE(bus.adaptor(adaptor).calibrationMode);
}

TEST_F(ReadSettings, SwitchesCalibrationOnAndAsksForTheSettingsWithItsOne) {
    addKelvo(u"Maker", u"Kelvo");
    loadWindow();
    const auto sent = featureReportsSent();
    ASSERT_GE(sent.size(), 2U);
    EXPECT_EQ((std::vector<std::uint8_t>(sent[0].begin(), sent[0].begin() + 4)),
              (std::vector<std::uint8_t>{0, 0xDB, 1, 0}));
    EXPECT_EQ((std::vector<std::uint8_t>(sent[1].begin(), sent[1].begin() + 4)),
              (std::vector<std::uint8_t>{0, 0xF0, 1, 0}));
}

TEST_F(ReadSettings, ShowsTheIdentityStringsWithALeadingSpace) {
    addKelvo(u"AB", u"P", u"", 0x0110);
    frmMain& window = loadWindow();
    EXPECT_EQ(window.lblManuf.Caption, " AB");
    EXPECT_EQ(window.lblProduct.Caption, " P");
    EXPECT_EQ(window.lblSerialNumber.Caption, " ");
    EXPECT_EQ(window.lblVersion.Caption, " 1.10");
}

TEST_F(ReadSettings, AShortStringAfterALongOneShowsOnlyItself) {
    addKelvo(u"A very long manufacturer name", u"Short");
    frmMain& window = loadWindow();
    EXPECT_EQ(window.lblProduct.Caption, " Short");
}

TEST_F(ReadSettings, AFiftyUnitStringWithoutTerminatorShowsFiftyCharacters) {
    const std::u16string fifty(50, u'x');
    addKelvo(fifty, u"P");
    frmMain& window = loadWindow();
    EXPECT_EQ(window.lblManuf.Caption, " " + std::string(50, 'x'));
}

TEST_F(ReadSettings, AFailedManufacturerRequestLeavesItAndTheVersionUnchanged) {
    addKelvo(u"Maker", u"Kelvo");
    frmMain& window = createWindow();
    window.lblManuf.Caption = "old";
    window.lblVersion.Caption = "old version";
    window.session.isConnected = window.FindTheHid();
    ASSERT_TRUE(window.session.isConnected);
    // The first string request of the read is the manufacturer's.
    hid.failCall(hid.callCount() + 3);  // after two sends and one fetch
    window.EnableUI();
    EXPECT_EQ(window.lblManuf.Caption, "old");
    EXPECT_EQ(window.lblVersion.Caption, "old version");
    EXPECT_EQ(window.lblProduct.Caption, " Kelvo");
}

TEST_F(ReadSettings, TheBoxesOfTheSharedPairFollowTheLastReportedMode) {
    const sim::DeviceId adaptor = addKelvo(u"Maker", u"Kelvo");
    bus.adaptor(adaptor).settings = {11, 22, 33, 44, 55, 66};
    frmMain& window = loadWindow();
    bus.queueLever(adaptor, {100, 100, true});
    window.Timer_Timer();
    ASSERT_EQ(window.lastReportMode, protocol::kSequentialMode);

    bus.unplug(adaptor);
    window.Timer_Timer();
    bus.replug(adaptor);
    window.Timer_Timer();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.Text7.Text, "66");
    EXPECT_EQ(window.Text8.Text, "55");
}

}  // namespace
