// The poll timer's tick: read what the adaptor reported, notice when it is gone, and
// look for it while disconnected.
#include "window/frm_main.h"

namespace {

// A tick takes at most this many waiting reports, as many as the system queues.
constexpr int kMaxReportsPerTick = 64;
constexpr int kConnectedInterval = 10;
constexpr int kProbePause = 10;

}  // namespace

void frmMain::Timer_Timer() {
    const int elapsed = Timer.Interval;
    const std::uint64_t statusBefore = status.revision();
    // A search, a lost connection or a report may change any control; the differences
    // the tick works out below change only after one of them.
    bool changed = !session.isConnected;
    status.elapse(elapsed);
    pollTime += elapsed;
    if (session.isConnected) {
        // Every report already waiting is taken, so the display never falls behind an
        // adaptor that reports faster than the ticks come; the newest is shown in full.
        bool delivered = false;
        bool haveNewest = false;
        protocol::ReportBuffer newest{};
        std::int32_t newestBytes = 0;
        for (int read = 0; read < kMaxReportsPerTick && ReadInputReport(); ++read) {
            delivered = true;
            if (!protocol::reportsLever(session.productId) || session.inputBytesRead < 1) {
                continue;
            }
            if (haveNewest) {
                PlotReport(newest, newestBytes, false);
            }
            newest = session.inputBuffer;
            newestBytes = session.inputBytesRead;
            haveNewest = true;
        }
        if (haveNewest) {
            DisplayReport(newest, newestBytes);
        }
        if (delivered) {
            Timer.Interval = kConnectedInterval;
        } else {
            toolkit_.Sleep(kProbePause);
            session.lastResult = hid_.probePresence(session.inputHandle);
            if (session.lastResult) {
                Timer.Interval = kConnectedInterval;
            } else {
                LoseConnection();
                changed = true;
            }
        }
        changed = changed || delivered;
    }
    if (!session.isConnected) {
        session.isConnected = FindTheHid();
        if (session.isConnected) {
            EnableUI();
        }
    }
    ShowAccessStatus();
    ShowPresenceStatus(elapsed);
    ShowDifferences();
    lastTickChangedWindow_ = changed || status.revision() != statusBefore;
}

void frmMain::LoseConnection() {
    session.isConnected = false;
    CloseConnection();
    shownMode = kNoModeShown;
    session.isConnected = FindTheHid();
    if (session.isConnected) {
        EnableUI();
    } else {
        DisableUI();
    }
}

void frmMain::DisplayReport(const protocol::ReportBuffer& report, std::int32_t bytesRead) {
    const std::uint8_t mode = protocol::modeOf(report[5]);
    PlotReport(report, bytesRead, true);
    ShowGear(report);
    ShowValuesAndTicks(report);
    CheckMode(mode);
    ShowLinesOf(mode);
    RedrawVisitedMap(mode);
    TakeThresholdEdits(mode);
    TellReportShown(report, bytesRead);
    lastReportMode = mode;
}
