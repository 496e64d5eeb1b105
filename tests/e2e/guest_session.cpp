// The window on the hidapi backend against the uhid adaptor, through the guest
// kernel's HID stack: discovery, identity and settings, reports shown, a stored
// threshold, the memory dump, unplug and replug, the close, and a firmware upgrade.
// Checks what the adaptor model received byte for byte. The recordings of a window
// session and of the commands come out on the console, for tests/recordings/.
//   guest_session UHID_ADAPTOR_PROGRAM [gtest options]
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <set>
#include <thread>
#include <tuple>

#include "adaptor_contents.h"
#include "adaptor_process.h"
#include "commands/commands.h"
#include "hid/hidapi/hidapi_backend.h"
#include "hid/hidapi/hidraw_node.h"
#include "kept_sessions.h"
#include "maintenance/firmware_image.h"
#include "monitor/gear_caption.h"
#include "recording/recording_layer.h"
#include "support/recording_toolkit.h"
#include "support/window_looks.h"
#include "window/frm_main.h"
#include "window/window_texts.h"

namespace e2e {
// Failure messages show log entries as the adaptor wrote them.
void PrintTo(const LogEntry& entry, std::ostream* out) {
    *out << formatLogEntry(entry);
}
}  // namespace e2e

namespace {

using namespace std::chrono_literals;
using e2e::LogEntry;
using e2e::LogKind;
using Bytes = std::vector<std::uint8_t>;
using ::testing::IsSupersetOf;

std::string adaptorProgram;

constexpr std::size_t kFeatureLength = 65;
constexpr auto kTickPause = 10ms;
// Upper bounds of waits for events, generous because a busy host slows the guest.
constexpr auto kStatusTimeout = 30s;
// The tour takes about two seconds a round; a tick is at least 10 ms.
constexpr int kMinTourTicks = 300;
constexpr int kMaxTourTicks = 1500;
constexpr int kMaxWaitTicks = 500;

// The window's send buffer keeps what a command does not write, so each frame it sends
// is the previous one with the command's own bytes written over the start.
class SendBuffer {
  public:
    Bytes write(std::initializer_list<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), bytes_.begin());
        return bytes_;
    }

  private:
    Bytes bytes_ = Bytes(kFeatureLength, 0);
};

LogEntry sent(Bytes frame) {
    return {LogKind::Set, true, 0, std::move(frame)};
}
LogEntry replied(Bytes frame) {
    return {LogKind::Get, true, 0, std::move(frame)};
}
LogEntry refusedFetch() {
    return {LogKind::Get, false, 0, {}};
}
LogEntry created(std::uint16_t product) {
    return {LogKind::Create, true, product, {}};
}
LogEntry destroyed() {
    return {LogKind::Destroy, true, 0, {}};
}

// A feature reply: report ID 0, `payload` from byte `offset`, zeros elsewhere.
Bytes reply(std::size_t offset, std::span<const std::uint8_t> payload) {
    Bytes frame(kFeatureLength, 0);
    std::copy(payload.begin(), payload.end(), frame.begin() + static_cast<std::ptrdiff_t>(offset));
    return frame;
}

Bytes settingsReply(const std::array<std::uint8_t, protocol::kSettingCount>& settings) {
    return reply(2, settings);
}

// Reads the adaptor's log on from where the last call stopped, input reports left out.
class LogCursor {
  public:
    explicit LogCursor(const e2e::AdaptorProcess& adaptor) : adaptor_(adaptor) {}

    std::vector<LogEntry> next() {
        const std::vector<LogEntry> all = adaptor_.log();
        std::vector<LogEntry> fresh;
        for (std::size_t i = seen_; i < all.size(); ++i) {
            if (all[i].kind != LogKind::Input) {
                fresh.push_back(all[i]);
            }
        }
        seen_ = all.size();
        return fresh;
    }

  private:
    const e2e::AdaptorProcess& adaptor_;
    std::size_t seen_ = 0;
};

// What the window shows for a gear mask and flag byte.
std::string gearText(std::uint8_t mask, std::uint8_t flag) {
    return monitor::gearCaption(mask, flag).value_or("?");
}

std::string dumpText(const std::string& label,
                     const std::array<std::uint8_t, protocol::kMemorySize>& memory) {
    std::string text = label;
    for (const std::uint8_t byte : memory) {
        char field[4];
        std::snprintf(field, sizeof field, " %02X", byte);
        text += field;
    }
    return text;
}

WindowOptions guestOptions() {
    WindowOptions options;
    // The uhid adaptor is the project's own emulation: the test image may go to it.
    options.adaptorIsSimulated = true;
    return options;
}

// Waits until hidapi lists the adaptor `product` under a hidraw node that exists.
bool waitForAdaptorNode(std::uint16_t product) {
    hid::HidapiBackend backend;
    const auto deadline = std::chrono::steady_clock::now() + kStatusTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        std::vector<hid::InterfaceIdentity> interfaces;
        backend.enumerate(interfaces);
        for (const hid::InterfaceIdentity& interface : interfaces) {
            if (interface.vendorId == protocol::kVendorId && interface.productId == product &&
                hid::isHidrawDevice(interface.path)) {
                return true;
            }
        }
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

// The interface at `path` as a fresh enumeration lists it; printed for the record.
hid::InterfaceIdentity listedInterface(const std::string& path) {
    hid::HidapiBackend backend;
    std::vector<hid::InterfaceIdentity> interfaces;
    backend.enumerate(interfaces);
    for (const hid::InterfaceIdentity& interface : interfaces) {
        if (interface.path == path) {
            std::printf("listed: %s %04x:%04x version %04x\n", path.c_str(), interface.vendorId,
                        interface.productId, interface.versionNumber);
            return interface;
        }
    }
    ADD_FAILURE() << path << " is not listed";
    return {};
}

// Ticks the window's timer, pausing between ticks so reports arrive, until `done`.
bool tickUntil(frmMain& window, const std::function<bool()>& done, int maxTicks = kMaxWaitTicks) {
    for (int tick = 0; tick < maxTicks; ++tick) {
        window.Timer_Timer();
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(kTickPause);
    }
    return false;
}

void expectKelvoShown(const frmMain& window) {
    EXPECT_EQ(window.Caption, protocol::productWithId(protocol::kKelvo)->caption);
    EXPECT_EQ(window.session.attributes.VendorID, protocol::kVendorId);
    EXPECT_EQ(window.session.attributes.ProductID, protocol::kKelvo);
    EXPECT_EQ(window.lblProduct.Caption, " Kelvo shifter adaptor");
    EXPECT_EQ(window.lblSerialNumber.Caption, " KV-0001234");
    // uhid devices have no USB parent, from which hidapi takes the manufacturer and the
    // release number: the version shown is the one enumeration gives, the manufacturer
    // is not checked.
    const hid::InterfaceIdentity listed = listedInterface(window.session.devicePath);
    EXPECT_EQ(window.session.attributes.VersionNumber, listed.versionNumber);
    char version[16];
    std::snprintf(version, sizeof version, " %u.%X", listed.versionNumber / 256U,
                  listed.versionNumber % 256U);
    EXPECT_EQ(window.lblVersion.Caption, version);
    std::printf("manufacturer shown: '%s'\n", window.lblManuf.Caption.c_str());
    EXPECT_TRUE(window.btnUpdate.Enabled);
    EXPECT_TRUE(window.Command1.Enabled);
    EXPECT_TRUE(window.lblX.Visible);
}

void expectThresholds(const frmMain& window,
                      const std::array<std::uint8_t, protocol::kSettingCount>& settings) {
    EXPECT_TRUE(window.settingsReadFromAdaptor);
    EXPECT_EQ(window.thresholdV1, int{settings[protocol::kAddressV1]});
    EXPECT_EQ(window.thresholdV2, int{settings[protocol::kAddressV2]});
    EXPECT_EQ(window.thresholdH2, int{settings[protocol::kAddressH2]});
    EXPECT_EQ(window.thresholdH1, int{settings[protocol::kAddressH1]});
    EXPECT_EQ(window.thresholdSeqH2, int{settings[protocol::kAddressSeqH2]});
    EXPECT_EQ(window.thresholdSeqH1, int{settings[protocol::kAddressSeqH1]});
    EXPECT_EQ(window.Text9.Text, std::to_string(settings[protocol::kAddressV1]));
    EXPECT_EQ(window.Text10.Text, std::to_string(settings[protocol::kAddressV2]));
}

// Every position and gear the window showed must be one the adaptor reported.
void expectShownWasReported(
    const std::vector<std::tuple<std::string, std::string, std::string>>& shown,
    const std::vector<LogEntry>& log) {
    std::set<std::tuple<std::string, std::string, std::string>> reported;
    for (const LogEntry& entry : log) {
        if (entry.kind == LogKind::Input && entry.bytes.size() == protocol::kShifterStateLength) {
            reported.insert({std::to_string(entry.bytes[1]), std::to_string(entry.bytes[2]),
                             gearText(entry.bytes[3], entry.bytes[4])});
        }
    }
    for (const auto& [x, y, gear] : shown) {
        EXPECT_TRUE(reported.contains({x, y, gear}))
            << "shown X " << x << " Y " << y << " gear " << gear;
    }
}

TEST(GuestSession, KelvoCalibrationRoundThroughTheKernel) {
    e2e::AdaptorProcess adaptor(adaptorProgram, "kelvo", "/tmp/kelvo.log");
    ASSERT_TRUE(adaptor.started());
    ASSERT_EQ(adaptor.nextStatus(kStatusTimeout), "up 10a0");
    ASSERT_TRUE(waitForAdaptorNode(protocol::kKelvo));

    hid::HidapiBackend backend;
    RecordingToolkit toolkit;
    frmMain window(backend, toolkit, guestOptions());
    LogCursor log(adaptor);
    SendBuffer buffer;
    std::array<std::uint8_t, protocol::kSettingCount> stored = e2e::kStartSettings;

    // Discovery, the lengths from the sysfs descriptor, identity and settings.
    window.Form_Load();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.session.devicePath.rfind("/dev/hidraw", 0), 0u) << window.session.devicePath;
    EXPECT_EQ(window.session.caps.FeatureReportByteLength, kFeatureLength);
    EXPECT_EQ(window.session.caps.InputReportByteLength, protocol::kShifterStateLength);
    expectKelvoShown(window);
    expectThresholds(window, stored);
    EXPECT_EQ(log.next(),
              (std::vector{created(protocol::kKelvo), sent(buffer.write({0, 0xDB, 1})),
                           sent(buffer.write({0, 0xF0})), replied(settingsReply(stored))}));

    // Reports shown while the lever tours the H-pattern.
    std::vector<std::tuple<std::string, std::string, std::string>> shown;
    std::set<std::string> gears;
    for (int tick = 0; tick < kMaxTourTicks && (tick < kMinTourTicks || gears.size() < 7); ++tick) {
        window.Timer_Timer();
        ASSERT_TRUE(window.session.isConnected) << "lost at tick " << tick;
        // "000" is the design's text, before any report was shown.
        if (window.lblX.Caption != "000") {
            shown.emplace_back(window.lblX.Caption, window.lblY.Caption, window.Gear.Caption);
            gears.insert(window.Gear.Caption);
        }
        std::this_thread::sleep_for(kTickPause);
    }
    EXPECT_GE(shown.size(), static_cast<std::size_t>(kMinTourTicks - 10));
    EXPECT_THAT(gears, IsSupersetOf({"N", "1", "2", "3", "4", "5", "6"}));
    expectShownWasReported(shown, adaptor.log());

    // The lever held still: the window shows exactly that spot.
    ASSERT_TRUE(adaptor.send("hold 200 100"));
    ASSERT_EQ(adaptor.nextStatus(kStatusTimeout), "held");
    EXPECT_TRUE(tickUntil(
        window, [&] { return window.lblX.Caption == "200" && window.lblY.Caption == "100"; }));
    EXPECT_EQ(window.Gear.Caption, "N");
    EXPECT_EQ(log.next(), std::vector<LogEntry>{}) << "ticks send no feature reports";

    // A typed threshold, stored with "Update settings".
    window.Text7.Text = "205";
    ASSERT_TRUE(tickUntil(window, [&] { return window.thresholdH1 == 205; }));
    window.btnUpdate_Click();
    stored[protocol::kAddressH1] = 205;
    EXPECT_EQ(log.next(),
              (std::vector{sent(buffer.write({0, 0xEE, 3, 205})),
                           sent(buffer.write({0, 0xEE, 2, stored[protocol::kAddressH2]})),
                           sent(buffer.write({0, 0xEE, 0, stored[protocol::kAddressV1]})),
                           sent(buffer.write({0, 0xEE, 1, stored[protocol::kAddressV2]}))}));

    // The memory dump.
    window.Command1_Click();
    const auto memory = e2e::startMemory();
    ASSERT_EQ(toolkit.inputBoxes.size(), 1u);
    EXPECT_EQ(toolkit.inputBoxes[0].title, "Contents of shifter EEPROM memory");
    EXPECT_EQ(toolkit.inputBoxes[0].defaultText, dumpText("Kelvo: ", memory));
    std::vector<LogEntry> dump{sent(buffer.write({0, 0xD0}))};
    for (std::size_t block = 0; block < protocol::kMemoryBlockCount; ++block) {
        dump.push_back(
            replied(reply(2, std::span(memory).subspan(block * protocol::kMemoryBlockSize,
                                                       protocol::kMemoryBlockSize))));
    }
    EXPECT_EQ(log.next(), dump);

    // The unplug: the next tick's probe finds the adaptor gone.
    ASSERT_TRUE(adaptor.send("unplug"));
    ASSERT_EQ(adaptor.nextStatus(kStatusTimeout), "down");
    window.Timer_Timer();
    EXPECT_FALSE(window.session.isConnected);
    EXPECT_EQ(support::disconnectedLookDifferences(window), "");
    for (int tick = 0; tick < 5; ++tick) {
        window.Timer_Timer();
        EXPECT_FALSE(window.session.isConnected);
    }
    EXPECT_EQ(log.next(), std::vector{destroyed()});

    // The replug: found again, identity and settings read afresh.
    ASSERT_TRUE(adaptor.send("replug"));
    ASSERT_EQ(adaptor.nextStatus(kStatusTimeout), "up 10a0");
    ASSERT_TRUE(tickUntil(window, [&] { return window.session.isConnected; }));
    expectKelvoShown(window);
    expectThresholds(window, stored);
    EXPECT_EQ(log.next(),
              (std::vector{created(protocol::kKelvo), sent(buffer.write({0, 0xDB, 1})),
                           sent(buffer.write({0, 0xF0})), replied(settingsReply(stored))}));
    ASSERT_TRUE(adaptor.send("hold 30 220"));
    ASSERT_EQ(adaptor.nextStatus(kStatusTimeout), "held");
    EXPECT_TRUE(tickUntil(
        window, [&] { return window.lblX.Caption == "30" && window.lblY.Caption == "220"; }));
    EXPECT_EQ(window.Gear.Caption, "1");

    // The close: calibration mode off and every threshold written back.
    EXPECT_TRUE(window.QueryUnload());
    EXPECT_EQ(toolkit.unloadCount, 1);
    EXPECT_EQ(log.next(),
              (std::vector{sent(buffer.write({0, 0xDB, 0})),
                           sent(buffer.write({0, 0xEE, 3, stored[protocol::kAddressH1]})),
                           sent(buffer.write({0, 0xEE, 2, stored[protocol::kAddressH2]})),
                           sent(buffer.write({0, 0xEE, 0, stored[protocol::kAddressV1]})),
                           sent(buffer.write({0, 0xEE, 1, stored[protocol::kAddressV2]})),
                           sent(buffer.write({0, 0xEE, 5, stored[protocol::kAddressSeqH1]})),
                           sent(buffer.write({0, 0xEE, 4, stored[protocol::kAddressSeqH2]}))}));
    EXPECT_EQ(adaptor.quit(), 0);
    EXPECT_EQ(log.next(),
              (std::vector{LogEntry{LogKind::Settings, true, 0, {stored.begin(), stored.end()}},
                           LogEntry{LogKind::Calibration, false, 0, {}}, destroyed()}));
}

TEST(GuestSession, LoaderTakesTheFirmwareAndComesBackAsKelvo) {
    e2e::AdaptorProcess adaptor(adaptorProgram, "loader", "/tmp/loader.log");
    ASSERT_TRUE(adaptor.started());
    ASSERT_EQ(adaptor.nextStatus(kStatusTimeout), "up b016");
    ASSERT_TRUE(waitForAdaptorNode(protocol::kLoader));

    hid::HidapiBackend backend;
    RecordingToolkit toolkit;
    frmMain window(backend, toolkit, guestOptions());
    LogCursor log(adaptor);
    SendBuffer buffer;

    window.Form_Load();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_TRUE(protocol::isProduct(window.session.productId, protocol::kLoader));
    EXPECT_EQ(window.session.caps.FeatureReportByteLength, kFeatureLength);
    EXPECT_EQ(window.Caption, protocol::productWithId(protocol::kLoader)->caption);
    EXPECT_EQ(window.lblProduct.Caption, " Shifter adaptor loader");
    EXPECT_TRUE(window.UpgradeFW.Visible);
    EXPECT_TRUE(window.UpgradeFW.Enabled);
    // The loader answers no settings request.
    EXPECT_FALSE(window.settingsReadFromAdaptor);
    EXPECT_EQ(log.next(), (std::vector{created(protocol::kLoader), sent(buffer.write({0, 0xDB, 1})),
                                       sent(buffer.write({0, 0xF0})), refusedFetch()}));

    window.UpgradeFW_Click();
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].title, "Upgrade Firmware");
    EXPECT_EQ(toolkit.messages[0].text,
              "The firmware image was sent; please unplug the adaptor and plug it in again. This "
              "program now closes.");
    EXPECT_EQ(window.UpgradeFW.Caption, "Done.Exiting...");
    EXPECT_TRUE(window.isUnloaded());
    EXPECT_EQ(adaptor.nextStatus(kStatusTimeout), "down");
    EXPECT_EQ(adaptor.nextStatus(kStatusTimeout), "up 10a0");

    // Each chunk: report ID 0, the next 40 bytes of the image, zeros to the end.
    const maintenance::FirmwareImage image = maintenance::builtInFirmwareImage();
    constexpr std::size_t kChunks = 202;
    ASSERT_EQ(image.bytes.size(), kChunks * protocol::kFirmwareChunkPayload);
    std::vector<LogEntry> expected;
    for (std::size_t chunk = 0; chunk < kChunks; ++chunk) {
        Bytes frame(kFeatureLength, 0);
        const auto payload = image.bytes.subspan(chunk * protocol::kFirmwareChunkPayload,
                                                 protocol::kFirmwareChunkPayload);
        std::copy(payload.begin(), payload.end(), frame.begin() + 1);
        expected.push_back(sent(frame));
    }
    expected.push_back(destroyed());
    expected.push_back(created(protocol::kKelvo));
    EXPECT_EQ(log.next(), expected);

    // The adaptor restarted under its new firmware: a new window finds a Kelvo adaptor.
    ASSERT_TRUE(waitForAdaptorNode(protocol::kKelvo));
    RecordingToolkit afterToolkit;
    frmMain after(backend, afterToolkit, guestOptions());
    after.Form_Load();
    ASSERT_TRUE(after.session.isConnected);
    expectKelvoShown(after);
    expectThresholds(after, e2e::kStartSettings);
    EXPECT_TRUE(after.QueryUnload());
    EXPECT_EQ(adaptor.quit(), 0);
}

// A window session, then --read, --write and --dump through the kernel, each recorded as
// --record records it and printed between marker lines that run_guest.sh takes the files
// from. What the window showed is printed too: its recording, replayed on the host, must
// show the same.
TEST(GuestSession, SessionsRecordedThroughTheKernel) {
    e2e::AdaptorProcess adaptor(adaptorProgram, "kelvo", "/tmp/commands.log");
    ASSERT_TRUE(adaptor.started());
    ASSERT_EQ(adaptor.nextStatus(kStatusTimeout), "up 10a0");
    ASSERT_TRUE(waitForAdaptorNode(protocol::kKelvo));
    hid::HidapiBackend backend;
    commands::WriteRequest write;
    write.assignments = commands::parseAssignments("V1=90");
    const std::pair<const char*, std::function<int(hid::HidLayer&)>> sessions[] = {
        {"guest-window.rec",
         [](hid::HidLayer& hid) {
             const std::string shown = windowSession(
                 hid, kGuestWindowTicks, [] { std::this_thread::sleep_for(kTickPause); });
             std::printf("window shown: %s\n", shown.c_str());
             return commands::kExitOk;
         }},
        {"guest-read.rec",
         [](hid::HidLayer& hid) { return commands::readCommand(hid, nullptr).exitCode; }},
        {"guest-write.rec",
         [&](hid::HidLayer& hid) { return commands::writeCommand(hid, write, nullptr).exitCode; }},
        {"guest-dump.rec",
         [](hid::HidLayer& hid) { return commands::dumpCommand(hid, nullptr).exitCode; }},
    };
    recording::Header header;
    header.program = "guest_session";
    header.platform = "linux guest: hidapi on hidraw over uhid";
    header.date = "";
    for (const auto& [file, run] : sessions) {
        std::string text;
        recording::RecordingLayer recorder(backend, header,
                                           [&](const std::string& saved) { text = saved; });
        EXPECT_EQ(run(recorder), commands::kExitOk) << file;
        recorder.finish();
        std::printf("=== recording %s ===\n%s=== end of recording ===\n", file, text.c_str());
        std::fflush(stdout);
    }
    EXPECT_EQ(adaptor.quit(), 0);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: guest_session UHID_ADAPTOR_PROGRAM [gtest options]\n");
        return 2;
    }
    adaptorProgram = argv[1];
    // A write to an adaptor that died must fail the test, not end the session.
    std::signal(SIGPIPE, SIG_IGN);
    return RUN_ALL_TESTS();
}
