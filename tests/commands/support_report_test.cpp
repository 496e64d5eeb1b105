// The support report on the simulated adaptor and a fake system, against the expected
// text with times and versions masked.
#include "commands/support_report.h"

#include <gtest/gtest.h>

#include <regex>

#include "commands/commands.h"
#include "diagnosis/diagnosis.h"
#include "sim/simulated_bus.h"
#include "support/fake_tree.h"

namespace {

std::string masked(const std::string& report) {
    static const std::regex kTimeOrVersionLine(R"(^(Created|Program|Qt|hidapi): .*$)",
                                               std::regex::multiline);
    static const std::regex kKernel(R"(kernel .*$)", std::regex::multiline);
    return std::regex_replace(std::regex_replace(report, kTimeOrVersionLine, "$1: <masked>"),
                              kKernel, "kernel <masked>");
}

TEST(SupportReport, SimulatedAdaptorOnAFakeSystem) {
    FakeTree tree;
    tree.write("/etc/os-release",
               "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 "
               "(bookworm)\"\n");
    tree.write("/proc/sys/kernel/osrelease", "6.1.0-13-amd64\n");
    tree.addRule("/usr/lib/udev/rules.d");
    tree.addSession("3", "SEAT=seat0\n");

    sim::SimulatedBus bus;
    const sim::DeviceId adaptor = bus.addAdaptor();
    bus.adaptor(adaptor).memory[6] = 0xA5;  // after the six settings the adaptor keeps there
    bus.adaptor(adaptor).memory[127] = 0x5A;
    bus.addAdaptor(sim::loaderIdentity());

    commands::ReportFacts facts{"2026-12-09T10:00:00Z",
                                "shifter-calibration 0.0",
                                "6.4.2",
                                "0.13.1",
                                true,
                                "Windows 10",
                                "10.0.19045",
                                nullptr};
    facts.historyTail = [](const history::Identity& identity) {
        return "  " + identity.serialNumber + " read V1=80\n";
    };
    const diagnosis::Diagnosis access = diagnosis::diagnose(tree.system(), tree.session("3"));
    const std::string report = commands::supportReport(facts, tree.system(), access, bus);

    const std::string zeros = [] {
        std::string fields;
        for (int i = 0; i < 120; ++i) {
            fields += " 00";
        }
        return fields;
    }();
    EXPECT_EQ(masked(report.substr(0, report.find("\n== Recording =="))),
              "Shifter calibration support report\n"
              "Created: <masked>\n"
              "Program: <masked>\n"
              "Qt: <masked>\n"
              "hidapi: <masked>\n"
              "System: Debian GNU/Linux 12 (bookworm), kernel <masked>\n"
              "Session type: wayland\n"
              "Sandboxed: no\n"
              "Adaptors: simulated\n"
              "\n== Access ==\n"
              "Adaptor nodes:\n"
              "  none of our vendor in /sys/class/hidraw\n"
              "Rule 70-shifter-calibration.rules:\n"
              "  /usr/lib/udev/rules.d: present\n"
              "  /etc/udev/rules.d: missing\n"
              "  /usr/local/lib/udev/rules.d: missing (udev does not read this folder on "
              "Debian)\n"
              "Sandbox: none\n"
              "udev database: not visible\n"
              "Session: login session 3, seat seat0, user id 4242\n"
              "Fix: No adaptor is plugged in: plug it in.\n"
              "\n== Adaptor 1 ==\n"
              "Path: sim:0\n"
              "Product: Kelvo (Kelvo shifter adaptor)\n"
              "Manufacturer: Corvane\n"
              "Version: 1.5\n"
              "Serial number: KV-0001234\n"
              "Thresholds: V1=80 V2=175 H1=185 H2=70 SeqH1=180 SeqH2=75\n"
              "Memory: Kelvo:  50 AF 46 B9 4B B4 A5" +
                  zeros +
                  " 5A\n"
                  "History, newest last:\n"
                  "  KV-0001234 read V1=80\n"
                  "\n== Adaptor 2 ==\n"
                  "Path: sim:1\n"
                  "Product: firmware loader (Shifter adaptor loader)\n"
                  "Manufacturer: Corvane\n"
                  "Version: 0.1\n"
                  "Serial number: \n");
    // The report ends saying how to attach a recording of a session.
    EXPECT_NE(report.find("\n== Recording ==\n", report.find("== Adaptor 2 ==")),
              std::string::npos);
    EXPECT_NE(report.find("--record session.rec"), std::string::npos);
    // Only the exchanges of --read and --dump reached the adaptors: nothing was stored.
    EXPECT_EQ(bus.adaptor(adaptor).settings, sim::kFactorySettings);

    // Where the system's files do not say, as on Windows, the toolkit's names are shown.
    const FakeTree windows;
    EXPECT_NE(commands::supportReport(facts, windows.system(), access, bus)
                  .find("\nSystem: Windows 10, kernel 10.0.19045\n"),
              std::string::npos);
}

}  // namespace

// A C0 control but the line ends, DEL, or a C1 control in UTF-8.
bool holdsAControl(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F || (byte == 0xC2 && next < 0xA0)) {
            return true;
        }
    }
    return false;
}

// A device's strings are shown, never obeyed: escape sequences and a forged line in the
// serial number or the product reach neither the terminal nor a script as they are.
TEST(DeviceStrings, AreShownWithTheirControlCharactersEscaped) {
    const struct {
        std::u16string text;
        const char* shown;
    } rows[] = {
        {u"\x1b]0;owned\x07", "\\x1B]0;owned\\x07"},           // sets the terminal's title
        {u"\x1b[2J", "\\x1B[2J"},                              // clears the screen
        {u"KV\nThresholds: V1=1", "KV\\x0AThresholds: V1=1"},  // a forged line
        {u"\x9b"
         u"31m",
         "\\u009B31m"},  // the one-byte CSI
        {u"A\x7f\r", "A\\x7F\\x0D"},
    };
    FakeTree tree;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shown);
        sim::SimulatedBus bus;
        sim::AdaptorIdentity identity = sim::kelvoIdentity();
        identity.serialNumber = row.text;
        identity.product = row.text;
        bus.addAdaptor(identity);
        const commands::ReportFacts facts{"", "", "", "", true, "", "", nullptr};
        const std::string outputs[] = {
            commands::listAdaptorsCommand(bus, nullptr).out,
            commands::readOutput(commands::readCommand(bus, nullptr)).out,
            commands::supportReport(facts, tree.system(),
                                    diagnosis::diagnose(tree.system(), tree.session()), bus),
        };
        for (const std::string& output : outputs) {
            EXPECT_NE(output.find(row.shown), std::string::npos) << output;
            EXPECT_EQ(output.find("\nThresholds: V1=1"), std::string::npos) << output;
            EXPECT_FALSE(holdsAControl(output)) << output;
        }
    }
}
