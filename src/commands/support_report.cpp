#include "commands/support_report.h"

#include <vector>

#include "commands/adaptor_exchanges.h"
#include "commands/command_text.h"
#include "diagnosis/diagnosis_text.h"
#include "i18n/translate.h"
#include "protocol/identity_text.h"
#include "protocol/products.h"

namespace commands {
namespace {

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string systemText(const diagnosis::SystemView& system, const ReportFacts& facts) {
    std::string name = facts.systemName.empty() ? "unknown system" : facts.systemName;
    for (std::string rest = system.readText("/etc/os-release").value_or(""); !rest.empty();) {
        const std::string line = firstLine(rest);
        rest.erase(0, line.size() + 1);
        if (line.rfind("PRETTY_NAME=", 0) == 0) {
            name = line.substr(12);
            if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
                name = name.substr(1, name.size() - 2);
            }
        }
    }
    std::string kernel = firstLine(system.readText("/proc/sys/kernel/osrelease").value_or(""));
    if (kernel.empty()) {
        kernel = facts.kernelVersion.empty() ? "unknown" : facts.kernelVersion;
    }
    return name + ", kernel " + kernel;
}

std::string adaptorSection(hid::HidLayer& hid, const hid::InterfaceIdentity& candidate,
                           std::size_t number, const ReportFacts& facts) {
    std::string text = "\n== Adaptor " + std::to_string(number) + " ==\n";
    AdaptorLink link(hid);
    if (!link.open(candidate)) {
        return text + "Path: " + protocol::visibleText(candidate.path) + "\n" +
               productName(candidate.productId) + ": could not be opened\n";
    }
    const AdaptorIdentity identity = readIdentity(link);
    text += identityBlock(identity);
    const std::int32_t product = protocol::signExtendedProduct(identity.productId);
    if (protocol::reportsLever(product)) {
        const auto thresholds = readThresholds(link);
        text += "Thresholds: " + (thresholds ? thresholdsText(*thresholds) : "unread") + "\n";
    }
    if (protocol::offersMemoryDump(product)) {
        text += "Memory: " + readMemoryDump(link) + "\n";
    }
    if (protocol::reportsLever(product)) {
        const std::string tail =
            facts.historyTail ? facts.historyTail(historyIdentity(identity)) : std::string();
        text += facts.historyTail ? "History, newest last:\n" + (tail.empty() ? "  none\n" : tail)
                                  : "History: not kept\n";
    }
    return text;
}

// How to add what the adaptor did to the report.
constexpr const char* kAttachRecording =
    "\n== Recording ==\n"
    "To show what the adaptor does, attach a recording of a session to this report: run\n"
    "  shifter-calibration --record session.rec\n"
    "(or choose Help > Record a session for support... in the window), do what goes\n"
    "wrong, close the window and attach session.rec. A recording holds the adaptor's\n"
    "serial number and thresholds; --record-anonymous leaves out the serial number and\n"
    "the device paths.\n";

}  // namespace

std::string supportReport(const ReportFacts& facts, const diagnosis::SystemView& system,
                          const diagnosis::Diagnosis& access, hid::HidLayer& hid) {
    // Support reads English: the report stays so in every language.
    const i18n::EnglishScope english;
    const std::string session =
        access.session.sessionType.empty() ? "unknown" : access.session.sessionType;
    std::string text = "Shifter calibration support report\n";
    text += "Created: " + facts.created + "\n";
    text += "Program: " + facts.programVersion + "\n";
    text += "Qt: " + facts.qtVersion + "\n";
    text += "hidapi: " + facts.hidapiVersion + "\n";
    text += "System: " + systemText(system, facts) + "\n";
    text += "Session type: " + session + (access.session.overSsh ? " (over SSH)" : "") + "\n";
    text += "Sandboxed: " +
            (access.sandboxed ? "yes, Flatpak " + access.sandboxAppId : std::string("no")) + "\n";
    text += std::string("Adaptors: ") + (facts.simulated ? "simulated" : "real") + "\n";
    text += "\n== Access ==\n" + diagnosis::diagnosisText(access);

    std::vector<hid::InterfaceIdentity> interfaces;
    hid.enumerate(interfaces);
    std::size_t number = 0;
    for (const hid::InterfaceIdentity& candidate : interfaces) {
        if (protocol::isAcceptedAdaptor(candidate.vendorId, candidate.productId)) {
            text += adaptorSection(hid, candidate, ++number, facts);
        }
    }
    if (number == 0) {
        text += "\n== Adaptors ==\nNone found.\n";
    }
    return text + kAttachRecording;
}

}  // namespace commands
