// --report FILE: the plain-text support report, into a file or onto standard output.
#include <QDateTime>
#include <QSysInfo>
#include <algorithm>

#include "cli/command.h"
#include "cli/command_line.h"
#include "commands/command_text.h"
#include "commands/support_report.h"
#include "hid/hidapi/hidapi_backend.h"
#include "storage/atomic_file.h"
#include "storage/calibration_json.h"
#include "translation/translate.h"

namespace cli {
namespace {

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

commands::CommandOutput writeReport(const QString& path, const std::string& text) {
    if (path == QLatin1String("-")) {
        return {commands::kExitOk, text, ""};
    }
    QString error;
    if (!storage::writeFileAtomically(path, QByteArray::fromStdString(text), error)) {
        return {
            commands::kExitFailed, "",
            translation::translate("CommandLine", "Could not write %1\n").arg(error).toStdString()};
    }
    return {commands::kExitOk,
            translation::translate("CommandLine", "Support report written to %1\n")
                .arg(path)
                .toStdString(),
            ""};
}

commands::CommandOutput report(const CommandRun& run) {
    commands::ReportFacts facts;
    facts.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    facts.programVersion = std::string(kProgramName) + " " + kProgramVersion;
    facts.qtVersion = qVersion();
    facts.hidapiVersion = hid::hidapiVersion();
    facts.simulated = run.simulated;
    facts.systemName = QSysInfo::prettyProductName().toStdString();
    facts.kernelVersion = QSysInfo::kernelVersion().toStdString();
    if (run.history) {
        facts.historyTail = [&](const history::Identity& adaptor) {
            return historyTail(run.history->store(), adaptor);
        };
    }
    return writeReport(run.value, commands::supportReport(facts, run.system, run.access, run.hid));
}

}  // namespace

extern const Command kReportCommand;
const Command kReportCommand{
    .name = "report",
    .help = QT_TRANSLATE_NOOP("CommandLine",
                              "Writes a support report to FILE (- for standard output)."),
    .valueName = "FILE",
    .usesHistory = true,
    .run = report};

}  // namespace cli
