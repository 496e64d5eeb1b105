#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "device/device_session.h"
#include "events/window_events.h"
#include "hid/hid_layer.h"
#include "maintenance/firmware_image.h"
#include "maintenance/support_address.h"
#include "monitor/lever_names.h"
#include "monitor/trace_map.h"
#include "monitor/typing_run.h"
#include "protocol/thresholds.h"
#include "window/status_line.h"
#include "window/toolkit/controls.h"
#include "window/toolkit/toolkit_services.h"

// What the window is told at construction, beyond its HID layer and toolkit.
struct WindowOptions {
    maintenance::FirmwareImage firmware = maintenance::builtInFirmwareImage();
    // True when the HID layer is the simulated bus: only then may the test image go out.
    bool adaptorIsSimulated = false;
    // The history of a simulated adaptor is kept, as asked: the status line says so.
    bool simulatedHistoryKept = false;
    std::string supportAddress = maintenance::defaultSupportAddress();
    // What to do about the system refusing the adaptor, asked when the refusal first
    // shows; unset or empty, the status line only says that it is refused.
    std::function<std::string()> accessAdvice;
};

// The calibration window: its controls under their design names, the connection
// record, the thresholds and the visited maps, and the handlers that drive them.
// Member functions are defined in the folder of the subsystem they belong to.
class frmMain {
  public:
    frmMain(hid::HidLayer& hid, toolkit::ToolkitServices& toolkit, WindowOptions options = {});
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // --- events -------------------------------------------------------------------
    void Form_Load();
    void Form_Unload();
    void Timer_Timer();
    // False when the last tick read no report, kept its connection and left the status line
    // as it was: it changed nothing a front end shows.
    bool lastTickChangedWindow() const { return lastTickChangedWindow_; }
    void btnUpdate_Click();
    void Command1_Click();
    void UpgradeFW_Click();

    // The user asks to close the window. False while a firmware transfer runs: the
    // close then waits for the transfer's end, which unloads the window anyway.
    bool QueryUnload();
    // Runs Form_Unload once and takes the window down.
    void Unload();
    bool isUnloaded() const { return unloaded_; }

    // --- window operations ---------------------------------------------------------
    bool FindTheHid();
    void EnableUI();
    void DisableUI();

    // --- the calibration's safety net ------------------------------------------------
    // "Store all six thresholds": the close's six WriteSetting reports, without closing.
    void StoreAllSix();
    // Puts `values` into the window as if the user had typed them: the thresholds, the
    // current mode's boxes and lines, the other mode's values for its next refill.
    // Sends nothing; the status line names `origin` ("the calibration of ..."). False,
    // and nothing put in, when a value may not be stored (UnstorableReason).
    bool RestoreThresholds(const protocol::Thresholds& values, const std::string& origin);
    // Why one of `values` may not be stored in this adaptor ("V1 is 255, not a threshold
    // (0 to 254)"), or empty when every one may.
    std::string UnstorableReason(const protocol::Thresholds& values) const;
    // The six threshold variables by setting address.
    protocol::Thresholds CurrentThresholds() const;
    // A threshold's variable, its text box and its line in this window.
    std::int16_t& thresholdOf(protocol::Threshold threshold);
    std::int16_t thresholdOf(protocol::Threshold threshold) const;
    toolkit::TextBox& boxOf(protocol::Threshold threshold);
    toolkit::LineShape& thresholdLine(protocol::Threshold threshold);

    // --- the window and its controls, in creation order ------------------------------
    std::string Caption;
    static constexpr float kClientWidth = 7130;
    static constexpr float kClientHeight = 8020;

    toolkit::CommandButton Command1{"Command1"};
    toolkit::CommandButton btnUpdate{"btnUpdate"};
    toolkit::TextBox Text10{"Text10"};
    toolkit::TextBox Text9{"Text9"};
    toolkit::TextBox Text8{"Text8"};
    toolkit::TextBox Text7{"Text7"};
    toolkit::CommandButton UpgradeFW{"UpgradeFW"};
    toolkit::Timer Timer{"Timer"};
    toolkit::Frame Frame1{"Frame1"};
    toolkit::Label lblSerialNumber{"lblSerialNumber"};
    toolkit::Label lblVersion{"lblVersion"};
    toolkit::Label lblProduct{"lblProduct"};
    toolkit::Label lblManuf{"lblManuf"};
    toolkit::Label Label2{"Label2"};
    toolkit::Label Label5{"Label5"};
    toolkit::Label Label4{"Label4"};
    toolkit::Label Label3{"Label3"};
    toolkit::PictureBox Graph{"Graph"};
    toolkit::LineShape SeqH2{"SeqH2"};
    toolkit::LineShape SeqH1{"SeqH1"};
    toolkit::LineShape LineH2{"LineH2"};
    toolkit::LineShape lineH1{"lineH1"};
    toolkit::LineShape lineV2{"lineV2"};
    toolkit::LineShape lineV1{"lineV1"};
    toolkit::Label Gear{"Gear"};
    toolkit::RectangleShape TickV2{"TickV2"};
    toolkit::RectangleShape TickV1{"TickV1"};
    toolkit::RectangleShape TickH1{"TickH1"};
    toolkit::RectangleShape TickH2{"TickH2"};
    toolkit::Label lblY{"lblY"};
    toolkit::Label lblX{"lblX"};

    // The 31 designed controls in creation order.
    const std::vector<toolkit::Control*>& controls() const { return controls_; }

    // Below the buttons, shown while there is something to say (see StatusLine); the
    // window grows by its height meanwhile.
    toolkit::Label lblStatus{"lblStatus"};
    window::StatusLine status{lblStatus};
    float ClientHeight() const;

    // --- state --------------------------------------------------------------------
    device::DeviceSession session;
    std::int16_t thresholdV1 = 0;
    std::int16_t thresholdV2 = 0;
    std::int16_t thresholdH2 = 0;
    std::int16_t thresholdH1 = 0;
    std::int16_t thresholdSeqH2 = 0;
    std::int16_t thresholdSeqH1 = 0;
    // The mode whose lines and trace are shown: protocol::kHPatternMode,
    // protocol::kSequentialMode, or kNoModeShown before a report chose one.
    static constexpr std::uint8_t kNoModeShown = 255;
    std::uint8_t shownMode = kNoModeShown;
    // Each mode's visited points, with the gear last reported at each.
    monitor::TraceMap traceHPattern;
    monitor::TraceMap traceSequential;

    // False until the stored thresholds were read from the connected adaptor; the
    // close writes thresholds back only when true, so a failed read never overwrites
    // the adaptor's calibration with values it did not give.
    bool settingsReadFromAdaptor = false;
    // The mode of the newest input report displayed, if any.
    std::optional<std::uint8_t> lastReportMode;

    // --- the gear-coloured trace, and the features that watch the window -------------
    bool traceByGear = false;
    // Draws the trace in its gears' colours, or all in the drawing colour.
    void ShowTraceByGear(bool on);

    // The thresholds of the shown mode as their boxes hold them.
    std::vector<protocol::ThresholdValue> shownThresholds() const;
    // Fills the shown mode's text boxes with proposed values, as if typed; storing them
    // stays the user's click. False when nothing was proposed.
    bool UseProposedValues(const std::vector<protocol::ThresholdValue>& proposed);
    // Puts `values` into the window as if the user had typed them: the thresholds, the
    // boxes that show them, the lines. Restores and proposals go this way. False, and
    // nothing put in, when a value may not be stored where the adaptor holds its own.
    bool TypeThresholds(const std::vector<protocol::ThresholdValue>& values);

    // Features that watch the window (the history, the assistant): told of each
    // connection, displayed report and change to the thresholds, in attach order.
    void attach(events::WindowObserver& observer);
    void detach(events::WindowObserver& observer);

    // Poll time in milliseconds: the sum of the ticks' intervals. The window has no
    // clock of its own; the status line and the flicker count measure time by it.
    std::int64_t pollTime = 0;

  private:
    // device link
    void ReadHidCaps();
    void ShowAccessStatus();
    // The standing notes of no adaptor (after a while) and of a simulated one.
    void ShowPresenceStatus(int elapsedMilliseconds);
    void ArmReadEvent();
    void CloseConnection();
    // Sends the send buffer as one feature report; not sent when the adaptor's
    // feature reports are shorter than `lengthNeeded`.
    bool SendFeatureBuffer(std::size_t lengthNeeded);
    // Fetches one feature reply into `reply` (byte 0 set to the report ID first).
    bool FetchFeatureReply(protocol::ReportBuffer& reply, std::size_t lengthNeeded);
    bool ReadInputReport();
    // True when the adaptor accepted the report.
    bool WriteSetting(std::uint8_t address, std::int16_t value);

    // settings
    void ReadDeviceSettings();
    void FillThresholdBoxes();
    // The six WriteSetting reports of the close, in its order.
    void WriteAllSixThresholds();

    // What the window holds that the adaptor does not, and lines that crossed: the
    // boxes' marks and the status line's conditions.
    void ShowDifferences();
    // The boxes show the sequential pair now.
    bool boxesShowSequential() const;

    // watchers: what they are told, and notices they give for the status line
    void TellConnection();
    void TellThresholds(events::Event event);
    void notifyIfAny(const std::string& notice);

    // monitor
    void LoseConnection();
    void DisplayReport(const protocol::ReportBuffer& report, std::int32_t bytesRead);
    void PlotReport(const protocol::ReportBuffer& report, std::int32_t bytesRead, bool draw);
    void ShowGear(const protocol::ReportBuffer& report);
    void ShowValuesAndTicks(const protocol::ReportBuffer& report);
    void CheckMode(std::uint8_t mode);
    void ShowLinesOf(std::uint8_t mode);
    void RedrawVisitedMap(std::uint8_t mode);
    void TakeThresholdEdits(std::uint8_t mode);
    // Takes the texts of the boxes shown, if a mode is shown: a store takes what the
    // boxes hold even when no tick came since the last keystroke.
    void TakeShownThresholdEdits();
    monitor::TypingRun& typingRunOf(const toolkit::TextBox& box);
    void TellReportShown(const protocol::ReportBuffer& report, std::int32_t bytesRead);

    // maintenance: sends the image, closes the connection; gives the blocks refused
    std::size_t SendFirmwareImage();

    void createControls();

    hid::HidLayer& hid_;
    toolkit::ToolkitServices& toolkit_;
    WindowOptions options_;
    std::vector<toolkit::Control*> controls_;
    std::vector<events::WindowObserver*> observers_;

    // The plot holds every visited point of this mode since the erase it counts.
    std::optional<std::uint8_t> plotCompleteMode_;
    std::uint64_t plotCompleteAtErase_ = 0;
    monitor::LeverNames leverNames_;

    // An accepted adaptor was seen that the system would not open, and none opened.
    bool accessRefused_ = false;
    int refusedSearches_ = 0;
    // Why an accepted adaptor that opened could not be used (its capabilities unread, its
    // feature reports of a length nothing can be exchanged in), while none connected;
    // empty otherwise.
    std::string unreadableStatus_;
    // Poll time since the window last had an adaptor.
    int absentMilliseconds_ = 0;

    // What each threshold box (Text7 to Text10) took since its value was last settled.
    std::array<monitor::TypingRun, 4> typingRuns_;

    // Reports of a store the adaptor refused since the last recorded event.
    std::size_t refusedStoreReports_ = 0;
    // The thresholds the adaptor holds, as read when it connected and stored since; unset
    // when they could not be read.
    std::optional<protocol::Thresholds> adaptorHolds_;
    // What the status line's difference conditions say now: the count of unstored values,
    // and the thresholds whose crossed lines were looked for (unset: none looked for).
    std::size_t unstoredCounted_ = 0;
    std::optional<protocol::Thresholds> crossingsCheckedFor_;

    bool upgradeInProgress_ = false;
    bool unloaded_ = false;
    bool lastTickChangedWindow_ = true;
};
