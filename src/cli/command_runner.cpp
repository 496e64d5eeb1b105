#include "cli/command_runner.h"

#include <QDateTime>
#include <QSysInfo>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/command_json.h"
#include "commands/command_text.h"
#include "commands/commands.h"
#include "commands/support_report.h"
#include "diagnosis/diagnosis.h"
#include "hid/hidapi/hidapi_backend.h"
#include "lock/single_instance.h"
#include "session_recording/session_recording.h"
#include "sim/simulated_bus.h"
#include "storage/atomic_file.h"
#include "storage/calibration_json.h"
#include "storage/data_folder.h"
#include "storage/history_recorder.h"
#include "system/rooted_system.h"
#include "system/system_access.h"
#include "translation/translate.h"

namespace cli {
namespace {

constexpr const char* kWindowRunning = QT_TRANSLATE_NOOP(
    "CommandLine",
    "The calibration window is using the adaptors; close it, then run the command again.\n");

int finish(const commands::CommandOutput& output) {
    std::fputs(output.out.c_str(), stdout);
    std::fputs(output.err.c_str(), stderr);
    return output.exitCode;
}

int writeReport(const QString& path, const std::string& text) {
    if (path == QLatin1String("-")) {
        return finish({commands::kExitOk, text, ""});
    }
    QString error;
    if (!storage::writeFileAtomically(path, QByteArray::fromStdString(text), error)) {
        return finish({commands::kExitFailed, "",
                       translation::translate("CommandLine", "Could not write %1\n")
                           .arg(error)
                           .toStdString()});
    }
    return finish({commands::kExitOk,
                   translation::translate("CommandLine", "Support report written to %1\n")
                       .arg(path)
                       .toStdString(),
                   ""});
}

constexpr std::size_t kHistoryTailEntries = 10;

// The newest entries of the adaptor's history file, one a line.
std::string historyTail(const storage::HistoryStore& store, const history::Identity& adaptor) {
    const storage::HistoryStore::Loaded loaded = store.read(adaptor);
    if (!loaded.history) {
        return "  " + loaded.notice.toStdString() + "\n";
    }
    const std::vector<history::Entry>& entries = loaded.history->entries();
    std::string text;
    for (std::size_t i = entries.size() - std::min(entries.size(), kHistoryTailEntries);
         i < entries.size(); ++i) {
        const history::Entry& entry = entries[i];
        text += "  " + storage::timeStamp(entry.time).toStdString() + "  " +
                storage::eventText(entry.event).toStdString() +
                (entry.accepted ? "" : " (refused)") + "  " +
                commands::thresholdsText(entry.values) + "\n";
    }
    return text;
}

int runOn(hid::HidLayer& hid, const LaunchOptions& options) {
    // As in the window: a simulated adaptor's history is kept only when asked for.
    std::optional<storage::HistoryRecorder> history;
    if (!options.simulated || options.keepHistory) {
        const QString folder = storage::HistoryStore::defaultFolder();
        if (!folder.isEmpty()) {
            history.emplace(storage::HistoryStore(folder));
        } else if (options.command == Command::Write || options.command == Command::WriteFile ||
                   options.command == Command::Report) {
            // Told by the commands that keep or show a history only.
            std::fprintf(stderr, "%s\n",
                         translation::translate("Storage", storage::kNoDataFolder)
                             .toLocal8Bit()
                             .constData());
        }
    }
    const diagnosis::RootedSystem system;
    const diagnosis::Diagnosis access = diagnosis::diagnoseThisSystem();
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
        case Command::WriteFile: {
            commands::WriteRequest request;
            if (options.command == Command::Write) {
                request.assignments =
                    commands::parseAssignments(options.commandValue.toStdString());
            } else {
                request = writeRequestFromFile(options.commandValue);
            }
            request.history = history ? &*history : nullptr;
            return finish(commands::writeCommand(hid, request, realAccess));
        }
        case Command::Dump:
            return finish(commands::dumpCommand(hid, realAccess));
        case Command::Report: {
            commands::ReportFacts facts;
            facts.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
            facts.programVersion = std::string(kProgramName) + " " + kProgramVersion;
            facts.qtVersion = qVersion();
            facts.hidapiVersion = hid::hidapiVersion();
            facts.simulated = options.simulated.has_value();
            facts.systemName = QSysInfo::prettyProductName().toStdString();
            facts.kernelVersion = QSysInfo::kernelVersion().toStdString();
            if (history) {
                facts.historyTail = [&](const history::Identity& adaptor) {
                    return historyTail(history->store(), adaptor);
                };
            }
            return writeReport(options.commandValue,
                               commands::supportReport(facts, system, access, hid));
        }
        case Command::None:
            break;
    }
    return commands::kExitUsage;
}

int runRecorded(hid::HidLayer& hid, const LaunchOptions& options) {
    session_recording::SessionRecording recording(hid, options.recordPath, options.recordAnonymous);
    if (!recording.problem().isEmpty()) {
        std::fprintf(stderr, "%s\n", recording.problem().toLocal8Bit().constData());
        return commands::kExitFailed;
    }
    return recording.finish(runOn(recording.layer(), options));
}

}  // namespace

int runCommand(const LaunchOptions& options) {
    if (options.recorded) {
        recording::RecordedAdaptor adaptor(*options.recorded);
        return runRecorded(adaptor, options);
    }
    if (options.simulated) {
        sim::SimulatedBus bus;
        bus.addAdaptor(*options.simulated);
        return runRecorded(bus, options);
    }
    // Two programs must never interleave their reports to one adaptor.
    lock::SingleInstance realAdaptors;
    if (!realAdaptors.acquire(lock::LockHolder::Command)) {
        if (realAdaptors.heldByAnother()) {
            const QString why = realAdaptors.heldByCommand()
                                    ? realAdaptors.problem() + QLatin1Char('\n')
                                    : translation::translate("CommandLine", kWindowRunning);
            std::fputs(why.toLocal8Bit().constData(), stderr);
            return commands::kExitBusy;
        }
        std::fprintf(stderr, "%s\n", realAdaptors.problem().toLocal8Bit().constData());
        return commands::kExitFailed;
    }
    hid::HidapiBackend hid;
    return runRecorded(hid, options);
}

}  // namespace cli
