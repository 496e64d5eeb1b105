#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "protocol/identity_text.h"
#include "reliability/heap_usage.h"
#include "support/window_fixture.h"
#include "support/window_looks.h"

namespace {

using namespace std::chrono_literals;

// Heap growth allowed between the end of the warm-up and the end of a soak: far less
// than one record or report kept per cycle would take.
constexpr std::size_t kHeapSlack = 16 * 1024;

// Heap the simulated bus holds for its record of accepted feature reports, which only
// grows: the cycles' heap is measured without it.
std::size_t recordBytes(const std::vector<std::vector<std::uint8_t>>& reports) {
    constexpr std::size_t kAllocatorOverhead = 16;
    std::size_t bytes = reports.capacity() * sizeof(reports.front());
    for (const std::vector<std::uint8_t>& report : reports) {
        bytes += report.capacity() + kAllocatorOverhead;
    }
    return bytes;
}

std::u16string utf16(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

class Soak : public WindowTest {
  protected:
    void SetUp() override {
        adaptor = bus.addAdaptor();
        loadWindow();
        ASSERT_TRUE(createdWindow->session.isConnected);
    }

    // The newest report the window read since the log was cleared; empty when none.
    std::vector<std::uint8_t> newestReportRead() const {
        for (auto call = hid.log().rbegin(); call != hid.log().rend(); ++call) {
            if (call->kind == support::CallKind::ReadInput && call->result) {
                return call->bytes;
            }
        }
        return {};
    }

    std::size_t reportsRead() const {
        std::size_t count = 0;
        for (const support::CallRecord& call : hid.log()) {
            count += call.kind == support::CallKind::ReadInput && call.result ? 1 : 0;
        }
        return count;
    }

    // The adaptor as it comes back from cycle `cycle`: other thresholds, other strings.
    void changeAdaptorWhileAway(int cycle) {
        sim::AdaptorModel& model = bus.adaptor(adaptor);
        for (std::size_t address = 0; address < model.settings.size(); ++address) {
            model.settings[address] =
                static_cast<std::uint8_t>(10 + (cycle * 7 + address * 31) % 240);
        }
        const std::string number = std::to_string(cycle);
        model.identity().manufacturer = utf16("Maker " + number);
        model.identity().product = utf16("Adaptor " + number);
        model.identity().serialNumber = utf16("SN-" + number);
        model.identity().versionNumber = static_cast<std::uint16_t>(0x0100 + cycle % 256);
    }

    void expectShowsAdaptorAfresh(int cycle) {
        const frmMain& w = *createdWindow;
        const sim::AdaptorModel& model = bus.adaptor(adaptor);
        const std::string number = std::to_string(cycle);
        EXPECT_EQ(w.lblManuf.Caption, " Maker " + number);
        EXPECT_EQ(w.lblProduct.Caption, " Adaptor " + number);
        EXPECT_EQ(w.lblSerialNumber.Caption, " SN-" + number);
        EXPECT_EQ(w.lblVersion.Caption, protocol::versionText(model.identity().versionNumber));
        const auto& s = model.settings;
        EXPECT_EQ(w.thresholdV1, s[protocol::kAddressV1]);
        EXPECT_EQ(w.thresholdV2, s[protocol::kAddressV2]);
        EXPECT_EQ(w.thresholdH2, s[protocol::kAddressH2]);
        EXPECT_EQ(w.thresholdH1, s[protocol::kAddressH1]);
        EXPECT_EQ(w.thresholdSeqH2, s[protocol::kAddressSeqH2]);
        EXPECT_EQ(w.thresholdSeqH1, s[protocol::kAddressSeqH1]);
        EXPECT_EQ(w.Text9.Text, std::to_string(s[protocol::kAddressV1]));
        EXPECT_EQ(w.Text10.Text, std::to_string(s[protocol::kAddressV2]));
        // The upper boxes follow the mode of the last report before the loss.
        const bool sequential = cycle % 2 == 1;
        EXPECT_EQ(w.Text7.Text,
                  std::to_string(s[sequential ? protocol::kAddressSeqH1 : protocol::kAddressH1]));
        EXPECT_EQ(w.Text8.Text,
                  std::to_string(s[sequential ? protocol::kAddressSeqH2 : protocol::kAddressH2]));
        EXPECT_EQ(support::connectedLookDifferences(w, model.identity()), "");
    }

    std::size_t heapOfTheWindow() const {
        return reliability::heapBytesInUse() - recordBytes(bus.featureReportsReceived(adaptor));
    }

    sim::DeviceId adaptor = 0;
};

TEST_F(Soak, AThousandUnplugsEachEndWithNoHandleAndEachReplugReadsTheAdaptorAfresh) {
    constexpr int kCycles = 1000;
    constexpr int kWarmUpCycles = 50;
    std::size_t heapAfterWarmUp = 0;
    std::size_t callsPerCycle = 0;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        hid.clearLog();
        toolkit.sleeps.clear();
        bus.queueLever(adaptor, {static_cast<std::uint8_t>(cycle), 100, cycle % 2 == 1});
        createdWindow->Timer_Timer();

        bus.unplug(adaptor);
        createdWindow->Timer_Timer();
        ASSERT_FALSE(createdWindow->session.isConnected) << "cycle " << cycle;
        ASSERT_EQ(bus.openHandleCount(), 0U) << "cycle " << cycle;
        EXPECT_EQ(support::disconnectedLookDifferences(*createdWindow), "") << "cycle " << cycle;

        changeAdaptorWhileAway(cycle);
        bus.replug(adaptor);
        createdWindow->Timer_Timer();
        ASSERT_TRUE(createdWindow->session.isConnected) << "cycle " << cycle;
        EXPECT_EQ(bus.openHandleCount(), 2U);
        expectShowsAdaptorAfresh(cycle);
        if (HasFailure()) {
            FAIL() << "cycle " << cycle;
        }

        // Every cycle makes the same calls: nothing piles up from one to the next.
        if (cycle == 0) {
            callsPerCycle = hid.log().size();
        }
        ASSERT_EQ(hid.log().size(), callsPerCycle) << "cycle " << cycle;
        if (cycle == kWarmUpCycles) {
            heapAfterWarmUp = heapOfTheWindow();
        }
    }
    EXPECT_LE(heapOfTheWindow(), heapAfterWarmUp + kHeapSlack);
    EXPECT_EQ(bus.readEventsCreated(), 1U);
    createdWindow->Form_Unload();
    EXPECT_EQ(bus.openHandleCount(), 0U);
}

TEST_F(Soak, AMinuteOfAThousandReportsASecondIsShownUpToTheNewestOnEveryTick) {
    constexpr int kTicks = 6000;  // 10 ms each
    constexpr int kWarmUpTicks = 500;
    bus.runScript(adaptor, sim::LeverScript::demoTour(), 1000);
    std::size_t heapAfterWarmUp = 0;
    std::size_t read = 0;
    bool sawSequential = false;
    bool sawHPattern = false;
    for (int tick = 0; tick < kTicks; ++tick) {
        hid.clearLog();
        bus.advance(10ms);
        createdWindow->Timer_Timer();

        const std::vector<std::uint8_t> newest = newestReportRead();
        ASSERT_EQ(newest.size(), protocol::kShifterStateLength) << "tick " << tick;
        ASSERT_EQ(createdWindow->lblX.Caption, std::to_string(newest[1])) << "tick " << tick;
        ASSERT_EQ(createdWindow->lblY.Caption, std::to_string(newest[2])) << "tick " << tick;
        ASSERT_TRUE(bus.device(adaptor).inputQueue.empty()) << "tick " << tick;
        read += reportsRead();
        sawSequential |= createdWindow->shownMode == protocol::kSequentialMode;
        sawHPattern |= createdWindow->shownMode == protocol::kHPatternMode;
        if (tick == kWarmUpTicks) {
            heapAfterWarmUp = reliability::heapBytesInUse();
        }
    }
    EXPECT_EQ(read, 60000U);
    EXPECT_EQ(bus.device(adaptor).scriptReports, 60000U);
    EXPECT_EQ(bus.device(adaptor).droppedReports, 0U);
    EXPECT_TRUE(sawSequential && sawHPattern);
    EXPECT_LE(reliability::heapBytesInUse(), heapAfterWarmUp + kHeapSlack);
}

}  // namespace
