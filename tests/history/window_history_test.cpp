// What the window tells its history, "Store all six thresholds", and restoring a
// calibration into the window in both modes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "history/recorder.h"
#include "history/window_recorder.h"
#include "support/window_fixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using history::Event;

class ListRecorder : public history::Recorder {
  public:
    history::Recorded record(history::Entry entry) override {
        entries.push_back(std::move(entry));
        return {true, std::exchange(notice, {})};
    }
    std::vector<history::Entry> entries;
    std::string notice;
};

constexpr history::Thresholds kStored{40, 200, 60, 190, 70, 180};
constexpr history::Thresholds kRestored{11, 222, 33, 144, 55, 166};

class WindowHistory : public WindowTest {
  protected:
    frmMain& connect(history::Thresholds settings = kStored,
                     sim::AdaptorIdentity identity = sim::kelvoIdentity()) {
        adaptor = bus.addAdaptor(identity);
        bus.adaptor(adaptor).settings = settings;
        WindowOptions options = simulatedOptions();
        createWindow(options).attach(watcher);
        createdWindow->Form_Load();
        return *createdWindow;
    }
    void showReport(bool sequential) {
        bus.queueLever(adaptor, {10, 10, sequential});
        createdWindow->Timer_Timer();
    }
    // Bytes 1..3 of the WriteSetting reports sent since the log was cleared.
    std::vector<Bytes> settingWrites() const {
        std::vector<Bytes> writes;
        for (const Bytes& report : featureReportsSent()) {
            if (report[1] == protocol::kWriteSetting) {
                writes.push_back(Bytes(report.begin() + 1, report.begin() + 4));
            }
        }
        return writes;
    }
    std::vector<Event> eventsRecorded() const {
        std::vector<Event> events;
        for (const history::Entry& entry : recorder.entries) {
            events.push_back(entry.event);
        }
        return events;
    }

    ListRecorder recorder;
    history::WindowRecorder watcher{&recorder};
    sim::DeviceId adaptor = 0;
};

TEST_F(WindowHistory, RecordsTheReadEveryStoreAndTheCloseWithAllSixValues) {
    frmMain& window = connect();
    ASSERT_EQ(recorder.entries.size(), 1U);
    const history::Entry& read = recorder.entries[0];
    EXPECT_EQ(read.event, Event::Read);
    EXPECT_EQ(read.values, kStored);
    EXPECT_EQ(read.adaptor,
              (history::Identity{protocol::kKelvo, "Kelvo shifter adaptor", "KV-0001234", 0x0105}));
    EXPECT_EQ(watcher.readAtConnection(), read);

    showReport(false);
    window.Text9.Text = "50";
    showReport(false);
    window.btnUpdate_Click();
    window.StoreAllSix();
    window.Unload();
    EXPECT_EQ(eventsRecorded(), (std::vector<Event>{Event::Read, Event::StoredByUpdate,
                                                    Event::StoredAllSix, Event::StoredAtClose}));
    for (std::size_t i = 1; i < recorder.entries.size(); ++i) {
        // The other mode's pair goes along as the window holds it.
        EXPECT_EQ(recorder.entries[i].values, (history::Thresholds{50, 200, 60, 190, 70, 180}));
        EXPECT_TRUE(recorder.entries[i].accepted);
    }
}

TEST_F(WindowHistory, StoreAllSixSendsTheClosesReportsInItsOrderWithoutClosing) {
    frmMain& window = connect();
    showReport(true);
    hid.clearLog();
    window.StoreAllSix();
    EXPECT_EQ(settingWrites(), (std::vector<Bytes>{{0xEE, 3, 190},
                                                   {0xEE, 2, 60},
                                                   {0xEE, 0, 40},
                                                   {0xEE, 1, 200},
                                                   {0xEE, 5, 180},
                                                   {0xEE, 4, 70}}));
    EXPECT_EQ(featureReportsSent().size(), 6U);  // calibration mode stays on
    EXPECT_TRUE(window.session.isConnected);
    EXPECT_FALSE(window.isUnloaded());
    EXPECT_EQ(window.status.text(), "Stored all six thresholds in the adaptor");
}

TEST_F(WindowHistory, RefusedReportsMarkTheEntryAndTheStatusSaysSo) {
    frmMain& window = connect();
    hid.failCalls(support::CallKind::SetFeature);
    window.StoreAllSix();
    ASSERT_EQ(recorder.entries.size(), 2U);
    EXPECT_FALSE(recorder.entries[1].accepted);
    EXPECT_EQ(window.status.text(),
              "The adaptor did not accept 6 of the six thresholds; try again");
    // The refusals are not carried over to the next store.
    hid.failCalls(support::CallKind::SetFeature, false);
    window.StoreAllSix();
    EXPECT_TRUE(recorder.entries[2].accepted);
}

TEST_F(WindowHistory, TheClosesEntryIsNotAcceptedWhenCalibrationOffWasRefused) {
    frmMain& window = connect();
    hid.failCall(hid.callCount() + 1);  // the close's first report
    window.Unload();
    ASSERT_EQ(eventsRecorded(), (std::vector<Event>{Event::Read, Event::StoredAtClose}));
    EXPECT_FALSE(recorder.entries[1].accepted);
}

TEST_F(WindowHistory, NothingIsRecordedOrStoredWithoutThresholdsReadFromALever) {
    hid.failCalls(support::CallKind::GetFeature);
    frmMain& window = connect();
    EXPECT_FALSE(watcher.readAtConnection());
    hid.clearLog();
    window.StoreAllSix();
    window.Unload();
    EXPECT_TRUE(settingWrites().empty());
    EXPECT_EQ(toolkit.messages.size(), 1U);
    EXPECT_TRUE(recorder.entries.empty());

    recorder.entries.clear();
    hid.failCalls(support::CallKind::GetFeature, false);
    bus.unplug(adaptor);
    connect(kStored, sim::loaderIdentity());
    EXPECT_TRUE(recorder.entries.empty());
}

TEST_F(WindowHistory, TheRecordersNoticeShowsOnTheStatusLine) {
    recorder.notice = "The history was set aside";
    frmMain& window = connect();
    EXPECT_EQ(window.status.text(), "The history was set aside");
}

TEST_F(WindowHistory, RestoreInHPatternFillsTheBoxesAndLinesAndKeepsTheSequentialPair) {
    frmMain& window = connect();
    showReport(false);
    hid.clearLog();
    window.RestoreThresholds(kRestored, "the calibration of 3 December 14:02");
    EXPECT_TRUE(featureReportsSent().empty());
    EXPECT_EQ(window.CurrentThresholds(), kRestored);
    EXPECT_EQ(window.Text7.Text, "144");
    EXPECT_EQ(window.Text8.Text, "33");
    EXPECT_EQ(window.Text9.Text, "11");
    EXPECT_EQ(window.Text10.Text, "222");
    EXPECT_FLOAT_EQ(window.lineV2.X1, 222 / 255.0F * window.Graph.ScaleWidth());
    EXPECT_FLOAT_EQ(window.lineH1.Y1, (255 - 144) / 255.0F * window.Graph.ScaleHeight());
    EXPECT_EQ(window.status.text(),
              "Restored the calibration of 3 December 14:02; to write it to the adaptor, "
              "choose Adaptor > Store all six thresholds");
    EXPECT_EQ(recorder.entries.back().event, Event::Restored);
    EXPECT_EQ(recorder.entries.back().values, kRestored);

    // The sequential pair waits for its mode's refill, and the ticks keep all six.
    showReport(false);
    showReport(true);
    EXPECT_EQ(window.Text7.Text, "166");
    EXPECT_EQ(window.Text8.Text, "55");
    EXPECT_EQ(window.CurrentThresholds(), kRestored);

    // Back to what the adaptor holds: nothing is left to store, and nothing asks for it.
    window.RestoreThresholds(kStored, "the calibration read at connection");
    EXPECT_EQ(window.status.text(),
              "Restored the calibration read at connection; the adaptor holds the same values");
}

TEST_F(WindowHistory, RestoreInSequentialModeAlsoRefillsTheHiddenVerticalPair) {
    frmMain& window = connect();
    showReport(true);
    window.RestoreThresholds(kRestored, "the calibration read at connection");
    EXPECT_EQ(window.Text7.Text, "166");
    EXPECT_EQ(window.Text8.Text, "55");
    EXPECT_FLOAT_EQ(window.SeqH2.Y1, (255 - 55) / 255.0F * window.Graph.ScaleHeight());

    // Back in H-pattern mode the boxes that stayed hidden must not bring back old values.
    showReport(false);
    EXPECT_EQ(window.Text7.Text, "144");
    EXPECT_EQ(window.Text9.Text, "11");
    EXPECT_EQ(window.CurrentThresholds(), kRestored);
    hid.clearLog();
    window.StoreAllSix();
    EXPECT_EQ(bus.adaptor(adaptor).settings, kRestored);
}

}  // namespace
