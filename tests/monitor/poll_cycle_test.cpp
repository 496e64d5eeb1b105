#include <gtest/gtest.h>

#include <functional>

#include "support/window_fixture.h"

namespace {

using support::CallKind;

class PollCycle : public WindowTest {
  protected:
    frmMain& connectKelvo() {
        adaptor = bus.addAdaptor();
        frmMain& window = loadWindow();
        EXPECT_TRUE(window.session.isConnected);
        return window;
    }
    sim::DeviceId adaptor = 0;
};

TEST_F(PollCycle, ADisconnectedTickOnlySearchesOnce) {
    frmMain& window = loadWindow();
    const auto erases = window.Graph.eraseCount();
    hid.clearLog();
    window.Timer_Timer();
    EXPECT_EQ(callsOf(CallKind::Enumerate), 1U);
    EXPECT_EQ(callsOf(CallKind::ReadInput), 0U);
    EXPECT_EQ(callsOf(CallKind::ProbePresence), 0U);
    EXPECT_TRUE(toolkit.sleeps.empty());
    EXPECT_EQ(window.Graph.eraseCount(), erases);  // the disconnected look is not applied again
    EXPECT_EQ(window.Timer.Interval, 500);

    bus.addAdaptor();
    window.Timer_Timer();
    EXPECT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.Timer.Interval, 10);
    EXPECT_EQ(window.Caption, "Kelvo shifter interface calibration v1.5");
}

TEST_F(PollCycle, ATickWithoutAReportPausesAndProbes) {
    frmMain& window = connectKelvo();
    hid.clearLog();
    window.Timer_Timer();
    EXPECT_EQ(toolkit.sleeps, std::vector<int>{10});
    EXPECT_EQ(callsOf(CallKind::ProbePresence), 1U);
    EXPECT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.Timer.Interval, 10);
}

TEST_F(PollCycle, AnUnpluggedAdaptorIsClosedAndSearchedForTwice) {
    frmMain& window = connectKelvo();
    bus.queueLever(adaptor, {10, 10, false});
    window.Timer_Timer();
    ASSERT_EQ(window.shownMode, 0);
    bus.unplug(adaptor);
    hid.clearLog();
    window.Timer_Timer();

    EXPECT_FALSE(window.session.isConnected);
    EXPECT_EQ(window.shownMode, 255);
    EXPECT_EQ(callsOf(CallKind::Enumerate), 2U);
    std::size_t closes = 0;
    for (const support::CallRecord& call : hid.log()) {
        closes += call.kind == CallKind::Close && call.result ? 1 : 0;
    }
    EXPECT_EQ(closes, 2U);
    EXPECT_EQ(bus.openHandleCount(), 0U);
    EXPECT_EQ(window.Timer.Interval, 500);
    EXPECT_EQ(window.Caption, "Corvane Shifter interface calibration v1.5");
    EXPECT_FALSE(window.Text7.Visible || window.lineV1.Visible || window.TickV1.Visible);
    EXPECT_TRUE(window.Gear.Caption.empty());
}

TEST_F(PollCycle, AReplugIsFoundAndItsFirstReportRedrawsTheWholeLook) {
    frmMain& window = connectKelvo();
    bus.queueLever(adaptor, {10, 10, false});
    window.Timer_Timer();
    bus.unplug(adaptor);
    window.Timer_Timer();
    bus.adaptor(adaptor).settings[3] = 99;
    bus.replug(adaptor);
    window.Timer_Timer();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.thresholdH1, 99);  // read afresh

    window.Text7.Text = "typed but replaced";
    const auto erases = window.Graph.eraseCount();
    bus.queueLever(adaptor, {10, 10, false});  // same mode as before the loss
    window.Timer_Timer();
    EXPECT_EQ(window.Graph.eraseCount(), erases + 1);
    EXPECT_EQ(window.Text7.Text, "99");
    EXPECT_TRUE(window.lineV1.Visible);
    // The trace from before the loss is back on the plot.
    EXPECT_TRUE(window.traceHPattern.isVisited(10, 10));
}

TEST_F(PollCycle, AnEmptyReadCountsAsPresenceWithoutAProbe) {
    frmMain& window = connectKelvo();
    bus.queueInputReport(adaptor, {});
    const std::string before = window.lblX.Caption;
    hid.clearLog();
    window.Timer_Timer();
    EXPECT_EQ(callsOf(CallKind::ProbePresence), 0U);
    EXPECT_TRUE(toolkit.sleeps.empty());
    EXPECT_EQ(window.lblX.Caption, before);
    EXPECT_EQ(window.Timer.Interval, 10);
}

TEST_F(PollCycle, TheLoaderIsReadButNeverDisplayedAndItsLossIsStillSeen) {
    const sim::DeviceId loader = bus.addAdaptor(sim::loaderIdentity());
    frmMain& window = loadWindow();
    bus.queueLever(loader, {200, 200, false});
    hid.clearLog();
    window.Timer_Timer();
    EXPECT_GE(callsOf(CallKind::ReadInput), 1U);
    EXPECT_EQ(window.lblX.Caption, "000");
    EXPECT_FALSE(window.traceHPattern.isVisited(200, 200));
    EXPECT_EQ(window.shownMode, 255);

    bus.unplug(loader);
    window.Timer_Timer();
    EXPECT_FALSE(window.session.isConnected);
}

}  // namespace

// The front end leaves its widgets alone after a tick that changed nothing shown.
TEST_F(PollCycle, ATickSaysWhetherItMayHaveChangedWhatTheWindowShows) {
    frmMain& window = connectKelvo();
    window.Timer_Timer();
    const struct {
        const char* tick;
        std::function<void()> before;
        bool changed;
    } ticks[] = {
        {"quiet", [] {}, false},
        {"a report",
         [&] {
             bus.queueLever(adaptor, {10, 10, false});
         },
         true},
        {"quiet after a report", [] {}, false},
        {"a notice runs out", [&] { window.status.notify("stored", 10); }, true},
        {"unplugged", [&] { bus.unplug(adaptor); }, true},
        {"searching", [] {}, true},
    };
    for (const auto& [tick, before, changed] : ticks) {
        before();
        window.Timer_Timer();
        EXPECT_EQ(window.lastTickChangedWindow(), changed) << tick;
    }
}
