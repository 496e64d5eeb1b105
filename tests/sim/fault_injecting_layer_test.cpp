// The fault-injecting layer of tests/support around the simulated bus.
#include "support/fault_injecting_layer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/simulated_bus.h"

namespace {

using hid::Handle;
using hid::OpenMode;
using support::CallKind;
using Bytes = std::vector<std::uint8_t>;

Bytes command(std::uint8_t code, std::uint8_t address = 0, std::uint8_t value = 0) {
    Bytes report(65, 0);
    report[1] = code;
    report[2] = address;
    report[3] = value;
    return report;
}

class FaultInjectingLayerTest : public ::testing::Test {
  protected:
    Handle openOrFail(sim::DeviceId id, OpenMode mode = OpenMode::FeatureReports) {
        Handle handle = Handle::None;
        EXPECT_TRUE(hid.open(bus.device(id).identity.path, mode, handle));
        return handle;
    }

    sim::SimulatedBus bus;
    support::FaultInjectingLayer hid{bus};
};

TEST_F(FaultInjectingLayerTest, FailCallHitsExactlyThatCallWithoutEffect) {
    const sim::DeviceId id = bus.addAdaptor();
    const Handle handle = openOrFail(id);
    hid.failCall(hid.callCount() + 1);
    EXPECT_TRUE(hid.setFeature(handle, command(protocol::kWriteSetting, 0, 11)));
    EXPECT_FALSE(hid.setFeature(handle, command(protocol::kWriteSetting, 1, 22)));
    EXPECT_TRUE(hid.setFeature(handle, command(protocol::kWriteSetting, 2, 33)));
    EXPECT_EQ(bus.featureReportsReceived(id).size(), 2u);
    EXPECT_EQ(bus.adaptor(id).settings[1], sim::kFactorySettings[1]);
    EXPECT_EQ(bus.adaptor(id).settings[2], 33);

    hid.failCall(hid.callCount());
    Handle failed{5};
    EXPECT_FALSE(hid.open("sim:0", OpenMode::FeatureReports, failed));
    EXPECT_EQ(failed, Handle::None);
    EXPECT_EQ(bus.openHandleCount(), 1u);
}

TEST_F(FaultInjectingLayerTest, FailCallsOfAKindLastUntilCleared) {
    const Handle handle = openOrFail(bus.addAdaptor());
    hid.failCalls(CallKind::GetAttributes);
    hid::Attributes attributes;
    EXPECT_FALSE(hid.getAttributes(handle, attributes));
    EXPECT_FALSE(hid.getAttributes(handle, attributes));
    EXPECT_EQ(attributes.Size, 0u);
    EXPECT_TRUE(hid.probePresence(handle));
    hid.failCalls(CallKind::GetAttributes, false);
    EXPECT_TRUE(hid.getAttributes(handle, attributes));

    hid.failCalls(CallKind::Close);
    Handle copy = handle;
    EXPECT_FALSE(hid.close(copy));
    EXPECT_EQ(copy, handle);
    EXPECT_EQ(bus.openHandleCount(), 1u);
}

TEST_F(FaultInjectingLayerTest, AnActionRunsJustBeforeItsCall) {
    const sim::DeviceId id = bus.addAdaptor();
    const Handle handle = openOrFail(id);
    hid.beforeCall(hid.callCount() + 1, [&] { bus.unplug(id); });
    EXPECT_TRUE(hid.probePresence(handle));
    EXPECT_TRUE(bus.device(id).present);
    EXPECT_FALSE(hid.probePresence(handle));
    EXPECT_FALSE(bus.device(id).present);
}

TEST_F(FaultInjectingLayerTest, RepliesCutShortOrGarbledStillSucceed) {
    const sim::DeviceId id = bus.addAdaptor();
    bus.adaptor(id).settings = {1, 2, 3, 4, 5, 6};
    const Handle handle = openOrFail(id);
    ASSERT_TRUE(hid.setFeature(handle, command(protocol::kRequestSettings)));
    hid.shortenReply(hid.callCount(), 4);
    Bytes reply(65, 0xEE);
    reply[0] = 0;
    std::int32_t got = 0;
    ASSERT_TRUE(hid.getFeature(handle, reply, got));
    EXPECT_EQ(got, 4);
    EXPECT_THAT(Bytes(reply.begin(), reply.begin() + 6), ::testing::ElementsAre(0, 0, 1, 2, 0, 0));
    EXPECT_EQ(hid.log().back().bytes, (Bytes{0, 0, 1, 2}));

    hid.garbleReply(hid.callCount(), 7);
    hid::Attributes attributes;
    ASSERT_TRUE(hid.getAttributes(handle, attributes));
    EXPECT_FALSE(attributes.VendorID == protocol::kVendorId &&
                 attributes.ProductID == protocol::kKelvo);
}

TEST_F(FaultInjectingLayerTest, LogRecordsEveryCallWithItsBytes) {
    const sim::DeviceId id = bus.addAdaptor();
    bus.addForeignDevice(1, 2);
    const Handle handle = openOrFail(id, OpenMode::NonBlockingInput);
    const Bytes sent = command(protocol::kWriteSetting, 3, 44);
    hid.setFeature(handle, sent);
    Bytes reply(65, 0);
    std::int32_t got = 0;
    hid.getFeature(handle, reply, got);
    std::array<std::uint8_t, 4> text{};
    hid.getString(handle, hid::IdentityString::Manufacturer, text);
    hid::ReadEvent event;
    EXPECT_TRUE(hid.createReadEvent(event));
    EXPECT_NE(event, hid::ReadEvent::None);
    Handle other = Handle::None;
    hid.open("sim:1", OpenMode::FeatureReports, other);

    const auto& log = hid.log();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(hid.callCount(), 6u);
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].index, i);
        EXPECT_TRUE(log[i].result);
    }
    EXPECT_EQ(log[0].kind, CallKind::Open);
    EXPECT_EQ(log[0].openMode, OpenMode::NonBlockingInput);
    EXPECT_EQ(log[0].handle, handle);
    EXPECT_EQ(log[1].kind, CallKind::SetFeature);
    EXPECT_EQ(log[1].bytes, sent);
    EXPECT_EQ(log[2].kind, CallKind::GetFeature);
    EXPECT_EQ(log[2].bytes, Bytes(65, 0));
    EXPECT_EQ(log[3].string, hid::IdentityString::Manufacturer);
    EXPECT_EQ(log[3].bytes, (Bytes{'C', 0, 'o', 0}));
    EXPECT_EQ(log[4].kind, CallKind::CreateReadEvent);
    EXPECT_EQ(log[5].path, "sim:1");
    EXPECT_EQ(bus.readEventsCreated(), 1u);
}

}  // namespace
