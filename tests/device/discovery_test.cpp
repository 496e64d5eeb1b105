#include <gtest/gtest.h>

#include <set>

#include "support/window_fixture.h"

namespace {

using support::CallKind;

class Discovery : public WindowTest {
  protected:
    // The devices that any open call was made for, successful or not.
    std::set<sim::DeviceId> devicesOpened() {
        std::set<sim::DeviceId> opened;
        for (const support::CallRecord& call : hid.log()) {
            for (sim::DeviceId id = 0; call.kind == CallKind::Open && id < bus.deviceCount();
                 ++id) {
                if (bus.device(id).identity.path == call.path) {
                    opened.insert(id);
                }
            }
        }
        return opened;
    }
};

TEST_F(Discovery, FindsNothingOnAnEmptyBusAndLeavesNothingOpen) {
    frmMain& window = createWindow();
    EXPECT_FALSE(window.FindTheHid());
    EXPECT_FALSE(window.session.isConnected);
    EXPECT_EQ(bus.openHandleCount(), 0U);
}

TEST_F(Discovery, AcceptsTheFourProductsWhateverTheirVersion) {
    for (std::uint16_t product :
         {protocol::kKelvo, protocol::kMirad, protocol::kUsbShifter, protocol::kLoader}) {
        sim::SimulatedBus fresh;
        sim::AdaptorIdentity identity;
        identity.productId = product;
        identity.versionNumber = 0xFFFF;
        fresh.addAdaptor(identity);
        RecordingToolkit services;
        frmMain window(fresh, services, simulatedOptions());
        ASSERT_TRUE(window.FindTheHid()) << std::hex << product;
        EXPECT_EQ(window.session.productId, static_cast<std::int16_t>(product));
        EXPECT_EQ(window.session.attributes.VersionNumber, 0xFFFF);
    }
}

TEST_F(Discovery, HoldsTheLoaderAsASignExtendedProduct) {
    bus.addAdaptor(sim::loaderIdentity());
    frmMain& window = createWindow();
    ASSERT_TRUE(window.FindTheHid());
    EXPECT_EQ(window.session.productId, -20458);
}

TEST_F(Discovery, RejectsOtherProductsOfTheVendorAndLeavesForeignDevicesAlone) {
    bus.addForeignDevice(0x046D, 0xC52B);
    bus.addForeignDevice(protocol::kVendorId, 0x10A3);
    bus.addForeignDevice(0x1234, protocol::kKelvo);
    frmMain& window = createWindow();
    EXPECT_FALSE(window.FindTheHid());
    EXPECT_TRUE(devicesOpened().empty());
    EXPECT_EQ(bus.openHandleCount(), 0U);
}

TEST_F(Discovery, FirstAdaptorInEnumerationOrderWinsAndTheSecondIsNeverOpened) {
    bus.addForeignDevice(0x046D, 0xC52B);
    const sim::DeviceId first = bus.addAdaptor(sim::usbShifterIdentity());
    const sim::DeviceId second = bus.addAdaptor(sim::kelvoIdentity());
    frmMain& window = createWindow();
    ASSERT_TRUE(window.FindTheHid());
    EXPECT_EQ(window.session.productId, protocol::kUsbShifter);
    EXPECT_EQ(devicesOpened(), std::set<sim::DeviceId>{first});
    EXPECT_FALSE(devicesOpened().contains(second));
}

TEST_F(Discovery, SkipsAnAdaptorThatCannotBeOpened) {
    const sim::DeviceId held = bus.addAdaptor(sim::kelvoIdentity());
    bus.device(held).refuseOpen = true;
    bus.addAdaptor(sim::miradIdentity());
    frmMain& window = createWindow();
    ASSERT_TRUE(window.FindTheHid());
    EXPECT_EQ(window.session.productId, protocol::kMirad);
    EXPECT_EQ(bus.openHandleCount(), 2U);
}

TEST_F(Discovery, AFailedSearchLeavesNothingOpen) {
    const sim::DeviceId held = bus.addAdaptor();
    bus.device(held).refuseOpen = true;
    frmMain& window = createWindow();
    EXPECT_FALSE(window.FindTheHid());
    EXPECT_EQ(bus.openHandleCount(), 0U);

    // An adaptor that opens but cannot be queried counts as a foreign device.
    bus.device(held).refuseOpen = false;
    hid.failCalls(CallKind::GetAttributes);
    EXPECT_FALSE(window.FindTheHid());
    EXPECT_EQ(bus.openHandleCount(), 0U);
}

TEST_F(Discovery, OpensExactlyTwoHandlesForFeaturesAndForInput) {
    bus.addAdaptor();
    frmMain& window = createWindow();
    ASSERT_TRUE(window.FindTheHid());
    EXPECT_EQ(bus.openHandleCount(), 2U);
    EXPECT_NE(window.session.deviceHandle, hid::Handle::None);
    EXPECT_NE(window.session.inputHandle, hid::Handle::None);
    EXPECT_NE(window.session.deviceHandle, window.session.inputHandle);

    std::vector<hid::OpenMode> modes;
    for (const support::CallRecord& call : hid.log()) {
        if (call.kind == CallKind::Open && call.result) {
            modes.push_back(call.openMode);
        }
    }
    EXPECT_EQ(modes, (std::vector<hid::OpenMode>{hid::OpenMode::FeatureReports,
                                                 hid::OpenMode::NonBlockingInput}));
    EXPECT_EQ(window.session.caps.FeatureReportByteLength, 65);
}

TEST_F(Discovery, RefusesAnAdaptorWhoseReportsWouldOverflowTheBuffers) {
    sim::AdaptorIdentity tooLong;
    tooLong.featureReportByteLength = 258;
    bus.addAdaptor(tooLong);
    frmMain& window = createWindow();
    EXPECT_FALSE(window.FindTheHid());
    EXPECT_EQ(bus.openHandleCount(), 0U);

    sim::AdaptorIdentity longest;
    longest.featureReportByteLength = 257;
    bus.addAdaptor(longest);
    EXPECT_TRUE(window.FindTheHid());
    EXPECT_EQ(window.session.caps.FeatureReportByteLength, 257);
}

TEST_F(Discovery, CreatesTheReadEventOnceForAllConnections) {
    const sim::DeviceId adaptor = bus.addAdaptor();
    frmMain& window = loadWindow();
    ASSERT_TRUE(window.session.isConnected);
    const hid::ReadEvent event = window.session.inputEvent;
    EXPECT_NE(event, hid::ReadEvent::None);

    bus.unplug(adaptor);
    window.Timer_Timer();
    ASSERT_FALSE(window.session.isConnected);
    bus.replug(adaptor);
    window.Timer_Timer();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_EQ(bus.readEventsCreated(), 1U);
    EXPECT_EQ(window.session.inputEvent, event);
    EXPECT_EQ(window.session.inputOverlap.hEvent, event);
}

TEST_F(Discovery, ClosesEachHandleOnceAndASecondCloseHasNoEffect) {
    bus.addAdaptor();
    frmMain& window = loadWindow();
    window.Form_Unload();
    window.Form_Unload();  // as after a firmware upgrade: handles are already closed
    std::size_t closed = 0;
    std::size_t failedCloses = 0;
    for (const support::CallRecord& call : hid.log()) {
        if (call.kind == CallKind::Close) {
            (call.result ? closed : failedCloses) += 1;
        }
    }
    EXPECT_EQ(closed, 2U);
    EXPECT_EQ(failedCloses, 2U);
    EXPECT_EQ(bus.openHandleCount(), 0U);
    EXPECT_EQ(window.session.deviceHandle, hid::Handle::None);
    EXPECT_EQ(window.session.inputHandle, hid::Handle::None);
}

}  // namespace
