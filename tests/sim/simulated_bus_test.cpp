#include <gtest/gtest.h>

#include "sim/simulated_bus.h"

namespace sim {
namespace {

using hid::Handle;
using hid::OpenMode;

std::vector<std::uint8_t> writeSetting(std::uint8_t address, std::uint8_t value) {
    std::vector<std::uint8_t> report(65, 0);
    report[1] = protocol::kWriteSetting;
    report[2] = address;
    report[3] = value;
    return report;
}

class SimulatedBusTest : public ::testing::Test {
  protected:
    Handle openOrFail(DeviceId id, OpenMode mode = OpenMode::FeatureReports) {
        Handle handle = Handle::None;
        EXPECT_TRUE(bus.open(bus.device(id).identity.path, mode, handle));
        return handle;
    }
    std::vector<hid::InterfaceIdentity> present() {
        std::vector<hid::InterfaceIdentity> interfaces;
        EXPECT_TRUE(bus.enumerate(interfaces));
        return interfaces;
    }

    SimulatedBus bus;
};

TEST_F(SimulatedBusTest, EnumeratesInOrderWithForeignDevices) {
    bus.addAdaptor();
    bus.addForeignDevice(0x046D, 0xC52B, 0x1201);
    bus.addAdaptor(miradIdentity());
    const auto interfaces = present();
    ASSERT_EQ(interfaces.size(), 3u);
    EXPECT_EQ(interfaces[0].path, "sim:0");
    EXPECT_EQ(interfaces[0].productId, protocol::kKelvo);
    EXPECT_EQ(interfaces[1].path, "sim:1");
    EXPECT_EQ(interfaces[1].vendorId, 0x046D);
    EXPECT_EQ(interfaces[1].versionNumber, 0x1201);
    EXPECT_EQ(interfaces[2].vendorId, protocol::kVendorId);
    EXPECT_EQ(interfaces[2].productId, protocol::kMirad);
    bus.unplug(1);
    ASSERT_EQ(present().size(), 2u);
    EXPECT_EQ(present()[1].path, "sim:2");
}

TEST_F(SimulatedBusTest, AttributesAndCapabilitiesDistinguishAdaptors) {
    const Handle adaptor = openOrFail(bus.addAdaptor(usbShifterIdentity()));
    const Handle foreign = openOrFail(bus.addForeignDevice(0x1234, 0x5678));
    hid::Attributes attributes;
    ASSERT_TRUE(bus.getAttributes(adaptor, attributes));
    EXPECT_EQ(attributes.Size, 12u);
    EXPECT_EQ(attributes.VendorID, protocol::kVendorId);
    EXPECT_EQ(attributes.ProductID, protocol::kUsbShifter);
    hid::Capabilities caps;
    ASSERT_TRUE(bus.getCapabilities(adaptor, caps));
    EXPECT_EQ(caps.InputReportByteLength, 6);
    EXPECT_EQ(caps.OutputReportByteLength, 0);
    EXPECT_EQ(caps.FeatureReportByteLength, 65);
    ASSERT_TRUE(bus.getCapabilities(foreign, caps));
    EXPECT_EQ(caps.InputReportByteLength, 0);
    EXPECT_EQ(caps.FeatureReportByteLength, 0);
    std::vector<std::uint8_t> report(65, 0);
    EXPECT_FALSE(bus.setFeature(foreign, report));
    std::int32_t got = 7;
    EXPECT_FALSE(bus.getFeature(foreign, report, got));
    EXPECT_EQ(got, 0);
}

TEST_F(SimulatedBusTest, HandlesAreUniqueAndCloseOnlyOnce) {
    const DeviceId id = bus.addAdaptor();
    Handle first = openOrFail(id);
    Handle second = openOrFail(id, OpenMode::NonBlockingInput);
    EXPECT_NE(first, second);
    EXPECT_EQ(bus.openHandleCount(), 2u);

    Handle stale = first;
    EXPECT_TRUE(bus.close(first));
    EXPECT_EQ(first, Handle::None);
    EXPECT_FALSE(bus.close(stale));
    EXPECT_EQ(stale, Handle{1});
    EXPECT_FALSE(bus.close(first));
    EXPECT_EQ(bus.openHandleCount(), 1u);
    EXPECT_FALSE(bus.probePresence(stale));

    const Handle third = openOrFail(id);
    EXPECT_GT(static_cast<std::uint32_t>(third), static_cast<std::uint32_t>(second));
}

TEST_F(SimulatedBusTest, OpenFailsForUnknownUnpluggedAndHeldDevices) {
    const DeviceId held = bus.addAdaptor();
    const DeviceId gone = bus.addAdaptor();
    bus.device(held).refuseOpen = true;
    bus.unplug(gone);
    for (const std::string path : {"sim:0", "sim:1", "sim:9", ""}) {
        Handle handle{77};
        EXPECT_FALSE(bus.open(path, OpenMode::FeatureReports, handle)) << path;
        EXPECT_EQ(handle, Handle::None);
    }
    EXPECT_EQ(bus.openHandleCount(), 0u);
}

TEST_F(SimulatedBusTest, UnplugKillsHandlesAndReplugOnlyRevivesNewOnes) {
    const DeviceId id = bus.addAdaptor();
    Handle before = openOrFail(id);
    Handle kept = openOrFail(id);
    EXPECT_TRUE(bus.probePresence(before));
    bus.unplug(id);
    hid::Attributes attributes;
    EXPECT_FALSE(bus.probePresence(before));
    EXPECT_FALSE(bus.getAttributes(before, attributes));
    EXPECT_TRUE(present().empty());
    EXPECT_TRUE(bus.close(before));

    bus.replug(id);
    EXPECT_FALSE(bus.probePresence(kept));
    EXPECT_FALSE(bus.setFeature(kept, writeSetting(0, 1)));
    const Handle after = openOrFail(id);
    EXPECT_TRUE(bus.probePresence(after));
    EXPECT_TRUE(bus.getAttributes(after, attributes));
    EXPECT_TRUE(bus.close(kept));
    EXPECT_EQ(bus.openHandleCount(), 1u);
}

TEST_F(SimulatedBusTest, FeatureReportsReachTheModelAndAreRecorded) {
    const DeviceId id = bus.addAdaptor();
    const Handle handle = openOrFail(id);
    ASSERT_TRUE(bus.setFeature(handle, writeSetting(protocol::kAddressV2, 150)));
    EXPECT_FALSE(bus.setFeature(handle, std::vector<std::uint8_t>(64, 0)));
    std::vector<std::uint8_t> request(65, 0);
    request[1] = protocol::kRequestSettings;
    ASSERT_TRUE(bus.setFeature(handle, request));
    std::vector<std::uint8_t> reply(65, 0);
    std::int32_t got = 0;
    ASSERT_TRUE(bus.getFeature(handle, reply, got));
    EXPECT_EQ(got, 65);
    EXPECT_EQ(reply[2 + protocol::kAddressV2], 150);
    EXPECT_EQ(bus.featureReportsReceived(id),
              (std::vector<std::vector<std::uint8_t>>{writeSetting(1, 150), request}));
    EXPECT_TRUE(bus.featureReportsReceived(99).empty());
}

TEST_F(SimulatedBusTest, FailCallHitsExactlyThatCallWithoutEffect) {
    const DeviceId id = bus.addAdaptor();
    const Handle handle = openOrFail(id);
    bus.failCall(bus.callCount() + 1);
    EXPECT_TRUE(bus.setFeature(handle, writeSetting(0, 11)));
    EXPECT_FALSE(bus.setFeature(handle, writeSetting(1, 22)));
    EXPECT_TRUE(bus.setFeature(handle, writeSetting(2, 33)));
    EXPECT_EQ(bus.featureReportsReceived(id).size(), 2u);
    EXPECT_EQ(bus.adaptor(id).settings[1], kFactorySettings[1]);
    EXPECT_EQ(bus.adaptor(id).settings[2], 33);

    bus.failCall(bus.callCount());
    Handle failed{5};
    EXPECT_FALSE(bus.open("sim:0", OpenMode::FeatureReports, failed));
    EXPECT_EQ(failed, Handle::None);
    EXPECT_EQ(bus.openHandleCount(), 1u);
}

TEST_F(SimulatedBusTest, FailCallsOfAKindLastUntilCleared) {
    const Handle handle = openOrFail(bus.addAdaptor());
    bus.failCalls(CallKind::GetAttributes);
    hid::Attributes attributes;
    EXPECT_FALSE(bus.getAttributes(handle, attributes));
    EXPECT_FALSE(bus.getAttributes(handle, attributes));
    EXPECT_EQ(attributes.Size, 0u);
    EXPECT_TRUE(bus.probePresence(handle));
    bus.failCalls(CallKind::GetAttributes, false);
    EXPECT_TRUE(bus.getAttributes(handle, attributes));

    bus.failCalls(CallKind::Close);
    Handle copy = handle;
    EXPECT_FALSE(bus.close(copy));
    EXPECT_EQ(copy, handle);
    EXPECT_EQ(bus.openHandleCount(), 1u);
}

TEST_F(SimulatedBusTest, UnplugBeforeCallStrikesJustBeforeIt) {
    const DeviceId id = bus.addAdaptor();
    const Handle handle = openOrFail(id);
    bus.unplugBeforeCall(bus.callCount() + 1, id);
    EXPECT_TRUE(bus.probePresence(handle));
    EXPECT_TRUE(bus.device(id).present);
    EXPECT_FALSE(bus.probePresence(handle));
    EXPECT_FALSE(bus.device(id).present);
}

TEST_F(SimulatedBusTest, LogRecordsEveryCallWithItsBytes) {
    const DeviceId id = bus.addAdaptor();
    bus.addForeignDevice(1, 2);
    const Handle handle = openOrFail(id, OpenMode::NonBlockingInput);
    const auto sent = writeSetting(3, 44);
    bus.setFeature(handle, sent);
    std::vector<std::uint8_t> reply(65, 0);
    std::int32_t got = 0;
    bus.getFeature(handle, reply, got);
    std::array<std::uint8_t, 4> text{};
    bus.getString(handle, hid::IdentityString::Manufacturer, text);
    hid::ReadEvent event;
    EXPECT_TRUE(bus.createReadEvent(event));
    EXPECT_NE(event, hid::ReadEvent::None);
    Handle other = Handle::None;
    bus.open("sim:1", OpenMode::FeatureReports, other);

    const auto& log = bus.log();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(bus.callCount(), 6u);
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].index, i);
        EXPECT_TRUE(log[i].result);
    }
    EXPECT_EQ(log[0].kind, CallKind::Open);
    EXPECT_EQ(log[0].openMode, OpenMode::NonBlockingInput);
    EXPECT_EQ(log[0].handle, handle);
    EXPECT_EQ(log[1].kind, CallKind::SetFeature);
    EXPECT_EQ(log[1].device, id);
    EXPECT_EQ(log[1].bytes, sent);
    EXPECT_EQ(log[2].kind, CallKind::GetFeature);
    EXPECT_EQ(log[2].bytes, std::vector<std::uint8_t>(65, 0));
    EXPECT_EQ(log[3].string, hid::IdentityString::Manufacturer);
    EXPECT_EQ(log[3].bytes, (std::vector<std::uint8_t>{'C', 0, 'o', 0}));
    EXPECT_EQ(log[4].kind, CallKind::CreateReadEvent);
    EXPECT_EQ(log[5].device, DeviceId{1});
    EXPECT_EQ(bus.readEventsCreated(), 1u);
}

}  // namespace
}  // namespace sim
