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

TEST_F(SimulatedBusTest, OpenRefusesAnotherDeviceThanEnumerationListedAtThePath) {
    const DeviceId adaptor = bus.addAdaptor();
    present();
    bus.adaptor(adaptor).identity() = miradIdentity();  // replaced since it was listed
    Handle handle{7};
    EXPECT_FALSE(bus.open("sim:0", OpenMode::FeatureReports, handle));
    EXPECT_EQ(handle, Handle::None);
    present();
    EXPECT_NE(openOrFail(adaptor), Handle::None);
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

}  // namespace
}  // namespace sim
