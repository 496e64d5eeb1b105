#include "qt/command_runner.h"

#include <QDateTime>
#include <QSaveFile>
#include <cstdio>
#include <memory>
#include <optional>

#include "commands/commands.h"
#include "commands/support_report.h"
#include "diagnosis/diagnosis.h"
#include "diagnosis/rooted_system.h"
#include "hid/hidapi_backend.h"
#include "qt/command_json.h"
#include "qt/single_instance.h"
#include "sim/simulated_bus.h"

namespace qtui {
namespace {

constexpr const char* kWindowRunning =
    "The calibration window is using the adaptors; close it, then run the command again.\n";

int finish(const commands::CommandOutput& output) {
    std::fputs(output.out.c_str(), stdout);
    std::fputs(output.err.c_str(), stderr);
    return output.exitCode;
}

int writeReport(const QString& path, const std::string& text) {
    if (path == QLatin1String("-")) {
        return finish({commands::kExitOk, text, ""});
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        return finish({commands::kExitFailed, "",
                       QStringLiteral("Could not write %1: %2\n")
                           .arg(path, file.errorString())
                           .toStdString()});
    }
    return finish(
        {commands::kExitOk, "Support report written to " + path.toStdString() + "\n", ""});
}

int runOn(hid::HidLayer& hid, const LaunchOptions& options) {
    const diagnosis::RootedSystem system;
    const diagnosis::Diagnosis access = diagnosis::diagnose(system, diagnosis::currentSession());
    // The diagnosis explains the real adaptors only.
    const diagnosis::Diagnosis* realAccess = options.simulated ? nullptr : &access;
    switch (options.command) {
        case Command::List:
            return finish(commands::listAdaptorsCommand(hid, realAccess));
        case Command::Read: {
            const commands::ReadResult result = commands::readCommand(hid, realAccess);
            if (options.json && result.exitCode != commands::kExitNoAdaptor) {
                return finish(
                    {result.exitCode, readResultJson(result).toStdString(), result.error});
            }
            return finish(commands::readOutput(result));
        }
        case Command::Write:
            return finish(commands::writeCommand(
                hid, commands::parseAssignments(options.commandValue.toStdString()), realAccess));
        case Command::WriteFile:
            return finish(
                commands::writeCommand(hid, assignmentsFromFile(options.commandValue), realAccess));
        case Command::Dump:
            return finish(commands::dumpCommand(hid, realAccess));
        case Command::Report: {
            commands::ReportFacts facts;
            facts.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
            facts.programVersion = std::string(kProgramName) + " " + kProgramVersion;
            facts.qtVersion = qVersion();
            facts.hidapiVersion = hid::hidapiVersion();
            facts.simulated = options.simulated.has_value();
            return writeReport(options.commandValue,
                               commands::supportReport(facts, system, access, hid));
        }
        case Command::None:
            break;
    }
    return commands::kExitUsage;
}

}  // namespace

int runCommand(const LaunchOptions& options) {
    if (options.simulated) {
        sim::SimulatedBus bus;
        bus.setLogging(false);
        bus.addAdaptor(*options.simulated);
        return runOn(bus, options);
    }
    // Two programs must never interleave their reports to one adaptor.
    SingleInstance realAdaptors;
    if (!realAdaptors.acquire()) {
        std::fputs(kWindowRunning, stderr);
        return commands::kExitBusy;
    }
    hid::HidapiBackend hid;
    return runOn(hid, options);
}

}  // namespace qtui
