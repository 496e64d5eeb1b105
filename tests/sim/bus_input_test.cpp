#include <gtest/gtest.h>

#include "sim/simulated_bus.h"

namespace sim {
namespace {

using namespace std::chrono_literals;
using hid::Handle;
using Bytes = std::vector<std::uint8_t>;

class SimulatedBusInputTest : public ::testing::Test {
  protected:
    SimulatedBusInputTest() : id(bus.addAdaptor()) {
        EXPECT_TRUE(bus.open("sim:0", hid::OpenMode::NonBlockingInput, handle));
    }
    std::optional<Bytes> read(std::size_t bufferSize = 255) {
        Bytes buffer(bufferSize, 0xCC);
        std::int32_t bytesRead = -1;
        if (!bus.readInput(handle, buffer, bytesRead)) {
            EXPECT_EQ(bytesRead, 0);
            return std::nullopt;
        }
        buffer.resize(static_cast<std::size_t>(bytesRead));
        return buffer;
    }
    int drain() {
        int count = 0;
        while (read()) {
            ++count;
        }
        return count;
    }

    SimulatedBus bus;
    DeviceId id;
    Handle handle = Handle::None;
};

TEST_F(SimulatedBusInputTest, QueuedReportsComeOutInOrderTruncatedToTheBuffer) {
    EXPECT_FALSE(read());
    bus.queueInputReport(id, {0, 1, 2, 3});
    bus.queueInputReport(id, {});
    bus.queueLever(id, {30, 220});
    EXPECT_EQ(read(2), (Bytes{0, 1}));
    EXPECT_EQ(read(), Bytes{});
    EXPECT_EQ(read(), (Bytes{0, 30, 220, 0x01, 0, 0}));
    EXPECT_FALSE(read());
}

TEST_F(SimulatedBusInputTest, FullQueueDropsNewReports) {
    for (int i = 0; i < 70; ++i) {
        bus.queueInputReport(id, {0, static_cast<std::uint8_t>(i)});
    }
    EXPECT_EQ(bus.device(id).inputQueue.size(), kInputQueueCapacity);
    EXPECT_EQ(bus.device(id).droppedReports, 6u);
    EXPECT_EQ(read(), (Bytes{0, 0}));
    bus.queueInputReport(id, {0, 99});
    EXPECT_EQ(bus.device(id).inputQueue.back(), (Bytes{0, 99}));
}

TEST_F(SimulatedBusInputTest, ReportsLeftAcrossAnUnplugAreDiscarded) {
    bus.queueInputReport(id, {0, 1});
    bus.unplug(id);
    EXPECT_FALSE(read());
    bus.replug(id);
    ASSERT_TRUE(bus.open("sim:0", hid::OpenMode::NonBlockingInput, handle));
    EXPECT_FALSE(read());
}

TEST_F(SimulatedBusInputTest, ScriptedReportsFallDueAtTheirRate) {
    bus.advance(5s);  // the script runs from when it was started
    bus.runScript(id, LeverScript::holdAt({20, 30}), 1000);
    EXPECT_FALSE(read());
    bus.advance(10ms);
    EXPECT_EQ(read(), (Bytes{0, 20, 30, 0x02, 0, 0}));
    EXPECT_EQ(drain(), 9);
    bus.advance(2500us);
    EXPECT_EQ(drain(), 2);
    bus.advance(500us);
    EXPECT_EQ(drain(), 1);

    bus.advance(1s);
    EXPECT_EQ(drain(), 64);
    EXPECT_EQ(bus.device(id).droppedReports, 1000u - 64u);
}

TEST_F(SimulatedBusInputTest, ScriptedReportsFollowTheLeverAndTheThresholds) {
    bus.runScript(id, LeverScript({{{0, 100}, 100ms}, {{100, 100}, 100ms}}), 100);
    bus.advance(50ms);
    for (std::uint8_t x = 10; x <= 50; x += 10) {
        EXPECT_EQ(read()->at(1), x);
    }
    bus.adaptor(id).settings[protocol::kAddressH1] = 60;
    bus.advance(10ms);
    EXPECT_EQ(read(), (Bytes{0, 60, 100, 0x01, 0, 0}));
}

TEST_F(SimulatedBusInputTest, InstalledClockDrivesTheScript) {
    std::chrono::microseconds time = 1h;
    bus.setClock([&] { return time; });
    EXPECT_EQ(bus.now(), 1h);
    bus.runScript(id, LeverScript::holdAt({}), 1000);
    time += 3ms;
    bus.advance(1s);  // ignored while a clock is installed
    EXPECT_EQ(drain(), 3);
}

TEST_F(SimulatedBusInputTest, ShortStringAfterLongOneIsTerminated) {
    bus.adaptor(id).identity().manufacturer = u"Long maker name";
    bus.adaptor(id).identity().serialNumber = u"S\u00e91";
    Bytes buffer(40, 0xCC);
    ASSERT_TRUE(bus.getString(handle, hid::IdentityString::Manufacturer, buffer));
    ASSERT_TRUE(bus.getString(handle, hid::IdentityString::SerialNumber, buffer));
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 10),
              (Bytes{'S', 0, 0xE9, 0, '1', 0, 0, 0, ' ', 0}));
}

TEST_F(SimulatedBusInputTest, LoaderRebootsAsKelvoAfterTheLastChunk) {
    const DeviceId loader = bus.addAdaptor(loaderIdentity());
    Handle flashing = Handle::None;
    ASSERT_TRUE(bus.open("sim:1", hid::OpenMode::FeatureReports, flashing));
    Bytes chunk(65, 0);
    for (std::size_t i = 0; i < AdaptorModel::kFirmwareChunkCount; ++i) {
        std::vector<hid::InterfaceIdentity> interfaces;
        bus.enumerate(interfaces);
        ASSERT_EQ(interfaces.at(1).productId, protocol::kLoader);
        chunk[1] = static_cast<std::uint8_t>(i);
        ASSERT_TRUE(bus.setFeature(flashing, chunk));
    }
    EXPECT_FALSE(bus.probePresence(flashing));
    EXPECT_EQ(bus.adaptor(loader).firmwareReceived.size(), 8080u);
    std::vector<hid::InterfaceIdentity> interfaces;
    ASSERT_TRUE(bus.enumerate(interfaces));
    EXPECT_EQ(interfaces.at(1).productId, protocol::kKelvo);

    Handle fresh = Handle::None;
    ASSERT_TRUE(bus.open("sim:1", hid::OpenMode::FeatureReports, fresh));
    hid::Attributes attributes;
    ASSERT_TRUE(bus.getAttributes(fresh, attributes));
    EXPECT_EQ(attributes.ProductID, protocol::kKelvo);
    Bytes name(128, 0);
    ASSERT_TRUE(bus.getString(fresh, hid::IdentityString::Product, name));
    EXPECT_EQ(name[0], 'K');
    chunk[1] = protocol::kSetCalibrationMode;
    chunk[2] = 1;
    ASSERT_TRUE(bus.setFeature(fresh, chunk));
    EXPECT_TRUE(bus.adaptor(loader).calibrationMode);
}

}  // namespace
}  // namespace sim
