#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>

#include "support/window_fixture.h"

namespace {

using namespace std::chrono_literals;

class FastReports : public WindowTest {
  protected:
    void SetUp() override {
        adaptor = bus.addAdaptor();
        loadWindow();
        ASSERT_TRUE(createdWindow->session.isConnected);
    }

    // The reports the window was handed since the log was cleared, oldest first.
    std::vector<std::vector<std::uint8_t>> reportsRead() const {
        std::vector<std::vector<std::uint8_t>> reports;
        for (const support::CallRecord& call : hid.log()) {
            if (call.kind == support::CallKind::ReadInput && call.result) {
                reports.push_back(call.bytes);
            }
        }
        return reports;
    }

    // Every position reported so far is in its mode's map, and the plot shows exactly the
    // visited points of the shown mode: all of them, and nothing of the other mode.
    void expectTraceComplete(const std::vector<std::vector<std::uint8_t>>& reports) {
        for (const auto& report : reports) {
            const bool sequential = protocol::modeOf(report[5]) == protocol::kSequentialMode;
            const monitor::TraceMap& map =
                sequential ? createdWindow->traceSequential : createdWindow->traceHPattern;
            ASSERT_TRUE(map.isVisited(report[1], report[2]))
                << int(report[1]) << "," << int(report[2]);
        }
        const monitor::TraceMap& shown = createdWindow->shownMode == protocol::kSequentialMode
                                             ? createdWindow->traceSequential
                                             : createdWindow->traceHPattern;
        std::vector<bool> expected(256 * 256, false);
        // 256 pixels for 255 steps: from 128 on a point is a pixel further on.
        const auto pixel = [](int step) { return step < 128 ? step : step + 1; };
        for (int x = 0; x < 256; ++x) {
            for (int y = 0; y < 256; ++y) {
                if (!shown.isVisited(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y))) {
                    continue;
                }
                const int px = pixel(x);
                const int py = pixel(255 - y);
                ASSERT_TRUE(createdWindow->Graph.isDrawn(std::min(px, 255), std::min(py, 255)))
                    << x << "," << y;
                for (int qx : {px - 1, px}) {
                    for (int qy : {py - 1, py}) {
                        if (qx >= 0 && qy >= 0 && qx < 256 && qy < 256) {
                            expected[qy * 256 + qx] = true;
                        }
                    }
                }
            }
        }
        int strayPixels = 0;
        for (int py = 0; py < 256; ++py) {
            for (int px = 0; px < 256; ++px) {
                strayPixels +=
                    createdWindow->Graph.isDrawn(px, py) && !expected[py * 256 + px] ? 1 : 0;
            }
        }
        EXPECT_EQ(strayPixels, 0);
    }

    sim::DeviceId adaptor = 0;
};

TEST_F(FastReports, A1000HzAdaptorIsShownUpToItsNewestReportOnEveryTick) {
    bus.runScript(adaptor, sim::LeverScript::hPatternTour(), 1000);
    hid.clearLog();
    std::size_t seen = 0;
    for (int tick = 0; tick < 300; ++tick) {
        bus.advance(10ms);
        createdWindow->Timer_Timer();
        const auto reports = reportsRead();
        ASSERT_GT(reports.size(), seen) << "tick " << tick;
        const auto& newest = reports.back();
        EXPECT_EQ(createdWindow->lblX.Caption, std::to_string(newest[1]));
        EXPECT_EQ(createdWindow->lblY.Caption, std::to_string(newest[2]));
        seen = reports.size();
    }
    EXPECT_EQ(bus.device(adaptor).droppedReports, 0U);
    EXPECT_GE(seen, 2900U);
    expectTraceComplete(reportsRead());
}

TEST_F(FastReports, SlowTicksStillTakeEveryReportThatWaits) {
    bus.runScript(adaptor, sim::LeverScript::hPatternTour(), 1000);
    hid.clearLog();
    for (int tick = 0; tick < 40; ++tick) {
        bus.advance(50ms);  // a timer running five times slower than asked
        createdWindow->Timer_Timer();
    }
    EXPECT_EQ(bus.device(adaptor).droppedReports, 0U);
    const auto reports = reportsRead();
    EXPECT_EQ(createdWindow->lblX.Caption, std::to_string(reports.back()[1]));
    expectTraceComplete(reports);
}

TEST_F(FastReports, MixedModesInOneTickKeepEachModesTraceApart) {
    std::mt19937 random(7);
    hid.clearLog();
    for (int tick = 0; tick < 200; ++tick) {
        const int count = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            bus.queueInputReport(adaptor, {0, static_cast<std::uint8_t>(random()),
                                           static_cast<std::uint8_t>(random()), 0, 0,
                                           static_cast<std::uint8_t>(random() % 8 == 0 ? 2 : 0)});
        }
        createdWindow->Timer_Timer();
        const auto reports = reportsRead();
        ASSERT_EQ(createdWindow->lastReportMode, protocol::modeOf(reports.back()[5]));
        expectTraceComplete(reports);
        ASSERT_FALSE(HasFailure()) << "tick " << tick;
    }
}

}  // namespace
