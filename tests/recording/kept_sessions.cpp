#include "kept_sessions.h"

#include "commands/commands.h"
#include "support/recording_toolkit.h"
#include "window/frm_main.h"

namespace {

// What a user sees of the window: its title, identity, position, gear, boxes and status.
std::string shownState(const frmMain& window) {
    std::string shown = window.Caption;
    for (const toolkit::Label* label :
         {&window.lblProduct, &window.lblSerialNumber, &window.lblVersion, &window.lblX,
          &window.lblY, &window.Gear}) {
        shown += " | " + label->Caption;
    }
    for (const toolkit::TextBox* box :
         {&window.Text7, &window.Text8, &window.Text9, &window.Text10}) {
        shown += " | " + box->Text;
    }
    return shown + " | " + window.lblStatus.Caption;
}

std::string runWindow(hid::HidLayer& hid, const std::function<void(frmMain&)>& actions) {
    RecordingToolkit toolkit;
    WindowOptions options;
    options.adaptorIsSimulated = true;
    options.supportAddress = "support@example.invalid";
    frmMain window(hid, toolkit, options);
    window.Form_Load();
    actions(window);
    const std::string shown = shownState(window);
    if (!window.isUnloaded()) {
        window.Unload();
    }
    return shown;
}

// `count` ticks of the window's timer, with `between` run between two of them.
void ticks(frmMain& window, int count, const std::function<void()>& between = {}) {
    for (int i = 0; i < count; ++i) {
        if (i > 0 && between) {
            between();
        }
        window.Timer_Timer();
    }
}

// A command's session: it shows no window.
std::function<std::string(hid::HidLayer&)> command(void (*run)(hid::HidLayer&)) {
    return [run](hid::HidLayer& hid) {
        run(hid);
        return std::string();
    };
}

void addAdaptorWithLever(sim::SimulatedBus& bus, sim::AdaptorIdentity identity) {
    const sim::DeviceId id = bus.addAdaptor(std::move(identity));
    for (const std::uint8_t x : {40, 128, 220}) {
        bus.queueLever(id, {x, 200, false});
    }
}

// The index of the first call of `kind` that `run` makes on a fresh Kelvo adaptor.
std::uint64_t firstCallOf(support::CallKind kind,
                          const std::function<std::string(hid::HidLayer&)>& run) {
    sim::SimulatedBus bus;
    bus.addAdaptor();
    support::FaultInjectingLayer hid(bus);
    run(hid);
    for (const support::CallRecord& call : hid.log()) {
        if (call.kind == kind) {
            return call.index;
        }
    }
    return 0;
}

commands::WriteRequest writeOf(const char* assignments) {
    commands::WriteRequest request;
    request.assignments = commands::parseAssignments(assignments);
    return request;
}

protocol::Thresholds with(protocol::Thresholds values, std::size_t address, std::uint8_t value) {
    values[address] = value;
    return values;
}

const auto kRead = command([](hid::HidLayer& hid) { commands::readCommand(hid, nullptr); });

const auto kWindowSession = [](hid::HidLayer& hid) { return windowSession(hid, 3); };

}  // namespace

std::string windowSession(hid::HidLayer& hid, int count,
                          const std::function<void()>& betweenTicks) {
    return runWindow(hid, [&](frmMain& window) {
        ticks(window, count, betweenTicks);
        window.btnUpdate_Click();
        window.Command1_Click();
    });
}

const std::vector<KeptSession>& keptSessions() {
    static const std::vector<KeptSession> sessions = [] {
        const protocol::Thresholds factory = sim::kFactorySettings;
        std::vector<KeptSession> kept;
        // Made by the program: see tests/recordings/README.md.
        kept.push_back({"kelvo-read.rec", {}, kRead, protocol::kKelvo, u"KV-0001234", factory, ""});
        kept.push_back({"mirad-write.rec",
                        {},
                        command([](hid::HidLayer& hid) {
                            commands::writeCommand(hid, writeOf("V1=90,SEQH1=170"), nullptr);
                        }),
                        protocol::kMirad,
                        u"",  // a write asks for no identity strings
                        with(with(factory, protocol::kAddressV1, 90), protocol::kAddressSeqH1, 170),
                        ""});
        kept.push_back({"usb-read-anonymous.rec",
                        {},
                        kRead,
                        protocol::kUsbShifter,
                        u"ANONYMOUS",
                        factory,
                        ""});
        // Made in the kernel guest (tests/e2e): the real hidapi backend on a hidraw node of
        // the uhid adaptor, whose thresholds are not the factory ones.
        const protocol::Thresholds guest{72, 181, 66, 190, 78, 176};
        kept.push_back({"guest-window.rec",
                        {},
                        [](hid::HidLayer& hid) { return windowSession(hid, kGuestWindowTicks); },
                        protocol::kKelvo,
                        u"KV-0001234",
                        guest,
                        // what the window showed in the guest
                        "Kelvo shifter interface calibration v1.5 |  Kelvo shifter adaptor |  "
                        "KV-0001234 |  0.0 | 40 | 168 | N | 190 | 66 | 72 | 181 | Stored in the "
                        "adaptor: H1 190, H2 66, V1 72, V2 181"});
        kept.push_back({"guest-read.rec", {}, kRead, protocol::kKelvo, u"KV-0001234", guest, ""});
        kept.push_back({"guest-write.rec",
                        {},
                        command([](hid::HidLayer& hid) {
                            commands::writeCommand(hid, writeOf("V1=90"), nullptr);
                        }),
                        protocol::kKelvo,
                        u"",
                        with(guest, protocol::kAddressV1, 90),
                        ""});
        kept.push_back({"guest-dump.rec",
                        {},
                        command([](hid::HidLayer& hid) { commands::dumpCommand(hid, nullptr); }),
                        protocol::kKelvo,
                        u"",
                        factory,  // a dump reads no settings
                        ""});
        // Made by make_recordings.
        kept.push_back({"kelvo-window.rec",
                        [](sim::SimulatedBus& bus, support::FaultInjectingLayer&) {
                            addAdaptorWithLever(bus, sim::kelvoIdentity());
                        },
                        kWindowSession, protocol::kKelvo, u"KV-0001234", factory,
                        "Kelvo shifter interface calibration v1.5 |  Kelvo shifter adaptor |  "
                        "KV-0001234 |  1.5 | 220 | 200 | 5 | 185 | 70 | 80 | 175 | Stored in the "
                        "adaptor: H1 185, H2 70, V1 80, V2 175"});
        kept.push_back({"mirad-window.rec",
                        [](sim::SimulatedBus& bus, support::FaultInjectingLayer&) {
                            addAdaptorWithLever(bus, sim::miradIdentity());
                        },
                        kWindowSession, protocol::kMirad, u"MR-0004711", factory,
                        "Mirad shifter interface calibration v1.5 |  Mirad shifter adaptor |  "
                        "MR-0004711 |  1.2 | 220 | 200 | 5 | 185 | 70 | 80 | 175 | Stored in the "
                        "adaptor: H1 185, H2 70, V1 80, V2 175"});
        kept.push_back({"loader-upgrade.rec",
                        [](sim::SimulatedBus& bus, support::FaultInjectingLayer&) {
                            bus.addAdaptor(sim::loaderIdentity());
                        },
                        [](hid::HidLayer& hid) {
                            return runWindow(hid,
                                             [](frmMain& window) { window.UpgradeFW_Click(); });
                        },
                        protocol::kLoader, u"", std::nullopt,
                        "Kelvo/Mirad shifter interface calibration |  Shifter adaptor loader |   | "
                        " 0.1 | 000 | 000 |  |  |  |  |  | Sending firmware: 202 of 202"});
        // Unplugged after the window connected, back a few ticks later.
        kept.push_back({"kelvo-replug.rec",
                        [](sim::SimulatedBus& bus, support::FaultInjectingLayer& hid) {
                            const sim::DeviceId id = bus.addAdaptor();
                            hid.beforeCall(40, [&bus, id] { bus.unplug(id); });
                            hid.beforeCall(60, [&bus, id] { bus.replug(id); });
                        },
                        [](hid::HidLayer& hid) {
                            return runWindow(hid, [](frmMain& window) { ticks(window, 40); });
                        },
                        protocol::kKelvo, u"KV-0001234", factory,
                        "Kelvo shifter interface calibration v1.5 |  Kelvo shifter adaptor |  "
                        "KV-0001234 |  1.5 | 000 | 000 |  | 185 | 70 | 80 | 175 | Simulated "
                        "adaptor: nothing is kept when the program ends"});
        // A hostile adaptor: its settings reply comes four bytes short.
        kept.push_back({"hostile-short-reply.rec",
                        [](sim::SimulatedBus& bus, support::FaultInjectingLayer& hid) {
                            bus.addAdaptor();
                            hid.shortenReply(firstCallOf(support::CallKind::GetFeature, kRead), 4);
                        },
                        kRead, protocol::kKelvo, u"KV-0001234", factory, ""});
        // Another device takes the adaptor's node while the window has it open.
        kept.push_back(
            {"hostile-swapped-node.rec",
             [](sim::SimulatedBus& bus, support::FaultInjectingLayer& hid) {
                 const sim::DeviceId id = bus.addAdaptor();
                 hid.beforeCall(30, [&bus, id] {
                     bus.unplug(id);
                     bus.device(id).identity.path += "-again";
                     bus.device(bus.addForeignDevice(0x1050, 0x0407)).identity.path = "sim:0";
                 });
             },
             [](hid::HidLayer& hid) {
                 return runWindow(hid, [](frmMain& window) { ticks(window, 10); });
             },
             protocol::kKelvo, u"KV-0001234", factory,
             // the disconnected look
             "Corvane Shifter interface calibration v1.5 |  |  |  | 000 | 000 |  |  |  |  |  | "});
        return kept;
    }();
    return sessions;
}
