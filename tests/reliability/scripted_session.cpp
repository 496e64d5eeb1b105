#include "reliability/scripted_session.h"

#include <array>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include "sim/simulated_bus.h"
#include "support/fault_injecting_layer.h"
#include "support/recording_toolkit.h"
#include "support/window_looks.h"
#include "window/frm_main.h"

namespace reliability {
namespace {

constexpr int kCalibrationTicks = 300;
constexpr int kUpgradeTicks = 20;
constexpr int kFirstUpgradeTick = 5;
constexpr int kReplugAfterTicks = 3;
constexpr std::size_t kShortReplyLength = 5;

// The thresholds the adaptor holds at the start, by address. None of them is a value
// typed later, a memory byte or zero, so a write of any other value had no source.
constexpr std::array<std::uint8_t, protocol::kSettingCount> kStoredSettings{40,  200, 60,
                                                                            190, 70,  180};
// What an adaptor replugged as another product holds.
constexpr std::array<std::uint8_t, protocol::kSettingCount> kOtherSettings{41,  201, 61,
                                                                           191, 71,  181};

using support::CallKind;

// The addresses a box's threshold is stored to, in either mode.
std::vector<std::uint8_t> addressesOf(const frmMain& window, const toolkit::TextBox& box) {
    if (&box == &window.Text7) {
        return {protocol::kAddressH1, protocol::kAddressSeqH1};
    }
    if (&box == &window.Text8) {
        return {protocol::kAddressH2, protocol::kAddressSeqH2};
    }
    if (&box == &window.Text9) {
        return {protocol::kAddressV1};
    }
    return {protocol::kAddressV2};
}

class Session {
  public:
    Session(Script script, Fault fault) : script_(script), fault_(fault) {
        if (script == Script::Calibration) {
            adaptor_ = bus_.addAdaptor(sim::kelvoIdentity());
            bus_.adaptor(adaptor_).settings = kStoredSettings;
            for (std::size_t i = 0; i < protocol::kMemorySize; ++i) {
                bus_.adaptor(adaptor_).memory[i] = static_cast<std::uint8_t>(0x30 + i % 7);
            }
        } else {
            adaptor_ = bus_.addAdaptor(sim::loaderIdentity());
        }
        inject(fault);
        WindowOptions options;
        options.adaptorIsSimulated = true;
        options.supportAddress = "support@example.invalid";
        window_ = std::make_unique<frmMain>(hid_, toolkit_, std::move(options));
    }

    RunReport run() {
        if (script_ == Script::Calibration) {
            calibration();
        } else {
            upgrade();
        }
        close();
        report_.calls = hid_.callCount();
        for (const support::CallRecord& call : hid_.log()) {
            report_.callKinds.push_back(call.kind);
        }
        report_.dumpsShown = toolkit_.inputBoxes.size();
        report_.firmwareChunksReceived = bus_.adaptor(adaptor_).firmwareChunksReceived;
        report_.finalSettings = bus_.adaptor(adaptor_).settings;
        return std::move(report_);
    }

  private:
    void inject(const Fault& fault) {
        switch (fault.kind) {
            case FaultKind::None:
                break;
            case FaultKind::FailCall:
                hid_.failCall(fault.call);
                break;
            case FaultKind::UnplugBeforeCall:
                hid_.beforeCall(fault.call, [this] { bus_.unplug(adaptor_); });
                break;
            case FaultKind::ShortReply:
                hid_.shortenReply(fault.call, kShortReplyLength);
                break;
            case FaultKind::GarbledReply:
                hid_.garbleReply(fault.call, static_cast<std::uint32_t>(fault.call));
                break;
            case FaultKind::ReplugAsOther:
                hid_.beforeCall(fault.call, [this] { replugAsOther(); });
                break;
            case FaultKind::NodeTakenBeforeCall:
                hid_.beforeCall(fault.call, [this] { takeNode(); });
                break;
        }
    }

    // The adaptor leaves and comes back at once as a Mirad adaptor holding other settings
    // (a loader stays a loader, which holds none).
    void replugAsOther() {
        bus_.unplug(adaptor_);
        sim::AdaptorModel& adaptor = bus_.adaptor(adaptor_);
        before_ = {fault_.call, adaptor.identity()};
        if (!adaptor.isLoader()) {
            adaptor.identity() = sim::miradIdentity();
            adaptor.settings = kOtherSettings;
        }
        bus_.replug(adaptor_);
    }

    // The adaptor leaves; a security key gets its node. The adaptor comes back later under
    // another name.
    void takeNode() {
        sim::SimulatedDevice& adaptor = bus_.device(adaptor_);
        takenPath_ = adaptor.identity.path;
        takenAtCall_ = fault_.call;
        bus_.unplug(adaptor_);
        adaptor.identity.path += "-again";
        bus_.device(bus_.addForeignDevice(0x1050, 0x0407)).identity.path = *takenPath_;
    }

    // The identity the window's connection was opened to: until the window notices the
    // replug, that of the adaptor as it was before.
    sim::AdaptorIdentity identityShown() {
        const sim::AdaptorIdentity& now = bus_.adaptor(adaptor_).identity();
        if (!before_) {
            return now;
        }
        for (const support::CallRecord& call : hid_.log()) {
            if (call.kind == CallKind::Open && call.result &&
                call.handle == window_->session.deviceHandle) {
                return call.index < before_->first ? before_->second : now;
            }
        }
        return now;
    }

    void calibration() {
        frmMain& w = *window_;
        load();
        for (int tick = 0; tick < kCalibrationTicks; ++tick) {
            queueReports(tick);
            timerTick();
            switch (tick) {
                case 40:
                    type(w.Text7, "100", 100);
                    type(w.Text8, "abc", std::nullopt);
                    type(w.Text9, "300", std::nullopt);
                    type(w.Text10, " 42.5 ", 42);
                    break;
                case 60:
                case 170:
                case 270:
                    click(w.btnUpdate, &frmMain::btnUpdate_Click, "btnUpdate");
                    break;
                case 80:
                    click(w.Command1, &frmMain::Command1_Click, "Command1");
                    break;
                case 150:  // sequential mode
                    type(w.Text7, "90", 90);
                    type(w.Text8, "-1", std::nullopt);
                    break;
                case 250:  // H-pattern again
                    type(w.Text9, "60.5", 60);
                    type(w.Text8, "1e2", 100);
                    break;
                default:
                    break;
            }
        }
    }

    // Reports in the H-pattern, then the sequential mode, then the H-pattern again;
    // every fifth tick is quiet so the window probes for the adaptor.
    void queueReports(int tick) {
        if (tick % 5 == 4) {
            return;
        }
        if (tick % 7 == 0) {
            bus_.queueInputReport(adaptor_, {0, 1, 2});  // a short report
        }
        const bool sequential = tick >= 120 && tick < 220;
        bus_.queueLever(adaptor_, {static_cast<std::uint8_t>(tick * 37 % 256),
                                   static_cast<std::uint8_t>(tick * 91 % 256), sequential});
    }

    void upgrade() {
        load();
        for (int tick = 0; tick < kUpgradeTicks && !window_->isUnloaded(); ++tick) {
            timerTick();
            if (tick >= kFirstUpgradeTick && !report_.upgradeClicked) {
                click(window_->UpgradeFW, &frmMain::UpgradeFW_Click, "UpgradeFW");
            }
        }
    }

    void load() {
        window_->Form_Load();
        afterEvent("Form_Load");
    }

    // The front end fires the timer only while it is enabled.
    void timerTick() {
        if (window_->Timer.Enabled) {
            window_->Timer_Timer();
        }
        ++ticks_;
        afterEvent("tick " + std::to_string(ticks_));
    }

    // The user can type only into a box that is shown and enabled.
    void type(toolkit::TextBox& box, const std::string& text, std::optional<int> value) {
        if (!box.Enabled || !box.Visible) {
            return;
        }
        box.Text = text;
        if (value) {
            for (std::uint8_t address : addressesOf(*window_, box)) {
                allowed_[window_->session.deviceHandle][address].insert(*value);
            }
        }
    }

    // Only a shown and enabled button can be clicked.
    void click(toolkit::CommandButton& button, void (frmMain::*handler)(), const char* name) {
        if (!button.Enabled || !button.Visible || window_->isUnloaded()) {
            return;
        }
        if (&button == &window_->UpgradeFW) {
            report_.upgradeClicked = true;
            writesBeforeUpgrade_ = hid_.callCount();
        }
        (window_.get()->*handler)();
        afterEvent(std::string(name) + " click");
    }

    void close() {
        closeStartsAt_ = hid_.callCount();
        window_->Unload();  // runs Form_Unload unless the upgrade already did
        checkHandles();
        checkWrites();
    }

    void afterEvent(const std::string& event) {
        const frmMain& w = *window_;
        const sim::AdaptorModel& adaptor = bus_.adaptor(adaptor_);
        if (!report_.upgradeClicked && adaptor.firmwareChunksReceived != 0) {
            problem("no firmware chunk unless the upgrade was asked for",
                    std::to_string(adaptor.firmwareChunksReceived) + " after " + event);
        }
        if (!w.isUnloaded()) {
            if (const std::string differences = support::lookDifferences(w, identityShown());
                !differences.empty()) {
                problem(w.session.isConnected ? "connected look as a whole"
                                              : "disconnected look as a whole",
                        event + ": " + differences);
            }
            if (!w.Timer.Enabled) {
                problem("the window keeps polling", "timer stopped after " + event);
            }
        }
        report_.sawSequentialMode |= w.shownMode == protocol::kSequentialMode;
        replugWhenDue();
    }

    // An unplugged adaptor comes back a few ticks after it went.
    void replugWhenDue() {
        if (replugged_ || bus_.device(adaptor_).present) {
            return;
        }
        if (!unpluggedAtTick_) {
            unpluggedAtTick_ = ticks_;
        } else if (ticks_ - *unpluggedAtTick_ >= kReplugAfterTicks) {
            bus_.replug(adaptor_);
            replugged_ = true;
        }
    }

    // Every handle the window opened is closed once by the end. A close the HID layer
    // refuses during the close itself leaves that one handle open: the window has no
    // later moment to try again.
    void checkHandles() {
        std::set<hid::Handle> open;
        std::set<hid::Handle> closed;
        std::optional<hid::Handle> refusedAtTheClose;
        for (const support::CallRecord& call : hid_.log()) {
            report_.reportsRead += call.kind == CallKind::ReadInput && call.result ? 1 : 0;
            if (call.kind == CallKind::Open && call.result) {
                open.insert(call.handle);
            }
            if (call.kind != CallKind::Close) {
                continue;
            }
            if (call.result) {
                open.erase(call.handle);
                if (!closed.insert(call.handle).second) {
                    problem("no handle closed twice",
                            "handle " + std::to_string(static_cast<std::uint32_t>(call.handle)) +
                                " closed again at call " + std::to_string(call.index));
                }
            } else if (fault_.kind == FaultKind::FailCall && call.index == fault_.call &&
                       call.index >= closeStartsAt_) {
                refusedAtTheClose = call.handle;
            }
        }
        const std::size_t mayStayOpen =
            refusedAtTheClose && open.contains(*refusedAtTheClose) ? 1 : 0;
        if (bus_.openHandleCount() != mayStayOpen) {
            problem("no handle open after the close",
                    std::to_string(bus_.openHandleCount()) + " still open");
        }
    }

    // Every stored threshold came, on the same connection, from a settings reply or
    // from the user; no feature report reached the device that took the adaptor's node.
    void checkWrites() {
        std::set<hid::Handle> onTakenNode;
        std::set<hid::Handle> settingsRequested;
        for (const support::CallRecord& call : hid_.log()) {
            if (call.kind == CallKind::Open && call.result && call.path == takenPath_ &&
                call.index >= takenAtCall_) {
                onTakenNode.insert(call.handle);
            }
            if (call.kind == CallKind::GetFeature && settingsRequested.erase(call.handle) > 0 &&
                call.result) {
                allowSettingsReply(call);
            }
            if (call.kind != CallKind::SetFeature) {
                continue;
            }
            if (onTakenNode.contains(call.handle)) {
                problem("nothing sent to a device on the adaptor's node",
                        "call " + std::to_string(call.index));
            }
            // Once the image goes out every report is a chunk, whatever its bytes say.
            const bool command =
                call.index < writesBeforeUpgrade_ && call.bytes.size() >= protocol::kCommandLength;
            settingsRequested.erase(call.handle);
            if (command && call.result && call.bytes[1] == protocol::kRequestSettings) {
                settingsRequested.insert(call.handle);
            }
            if (command && call.result && call.bytes[1] == protocol::kWriteSetting) {
                checkWrite(call);
            }
        }
    }

    void allowSettingsReply(const support::CallRecord& reply) {
        for (std::size_t address = 0; address < protocol::kSettingCount; ++address) {
            if (protocol::kSettingsOffset + address < reply.bytes.size()) {
                allowed_[reply.handle][address].insert(
                    reply.bytes[protocol::kSettingsOffset + address]);
            }
        }
    }

    void checkWrite(const support::CallRecord& call) {
        ++report_.settingsWritten;
        const std::uint8_t address = call.bytes[2];
        const std::uint8_t value = call.bytes[3];
        if (address >= protocol::kSettingCount || !allowed_[call.handle][address].contains(value)) {
            problem("no stored value that neither the adaptor nor the user gave",
                    "address " + std::to_string(address) + " value " + std::to_string(value) +
                        " at call " + std::to_string(call.index));
        }
    }

    void problem(std::string promise, std::string detail) {
        report_.problems.push_back({std::move(promise), std::move(detail)});
    }

    Script script_;
    Fault fault_;
    sim::SimulatedBus bus_;
    support::FaultInjectingLayer hid_{bus_};
    RecordingToolkit toolkit_;
    sim::DeviceId adaptor_ = 0;
    std::unique_ptr<frmMain> window_;
    int ticks_ = 0;
    std::optional<int> unpluggedAtTick_;
    bool replugged_ = false;
    // Calls before the upgrade's click: afterwards every feature report is a chunk.
    std::uint64_t writesBeforeUpgrade_ = std::numeric_limits<std::uint64_t>::max();
    std::optional<std::string> takenPath_;
    std::uint64_t takenAtCall_ = 0;
    // The call before which the adaptor came back as another product, and what it was.
    std::optional<std::pair<std::uint64_t, sim::AdaptorIdentity>> before_;
    std::uint64_t closeStartsAt_ = 0;
    // Values that may be stored, by connection (its feature handle) and address.
    std::map<hid::Handle, std::array<std::set<int>, protocol::kSettingCount>> allowed_;
    RunReport report_;
};

}  // namespace

RunReport runScript(Script script, Fault fault) {
    return Session(script, fault).run();
}

std::string describe(const Fault& fault) {
    switch (fault.kind) {
        case FaultKind::None:
            return "no fault";
        case FaultKind::FailCall:
            return "call " + std::to_string(fault.call) + " fails";
        case FaultKind::UnplugBeforeCall:
            return "unplugged before call " + std::to_string(fault.call);
        case FaultKind::ShortReply:
            return "call " + std::to_string(fault.call) + " answers short";
        case FaultKind::GarbledReply:
            return "call " + std::to_string(fault.call) + " answers garbage";
        case FaultKind::ReplugAsOther:
            return "replugged as another product before call " + std::to_string(fault.call);
        case FaultKind::NodeTakenBeforeCall:
            return "node taken by another device before call " + std::to_string(fault.call);
    }
    return "?";
}

}  // namespace reliability
