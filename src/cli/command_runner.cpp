#include "cli/command_runner.h"

#include <cstdio>
#include <optional>

#include "cli/adaptor_choice.h"
#include "cli/command.h"
#include "cli/recorded_session.h"
#include "diagnosis/rooted_system.h"
#include "diagnosis/system_access.h"
#include "hid/hidapi_backend.h"
#include "sim/simulated_bus.h"
#include "storage/data_folder.h"
#include "storage/single_instance.h"
#include "storage/translate.h"

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

int runOn(hid::HidLayer& hid, const LaunchOptions& options, const AdaptorChoice& choice) {
    std::optional<storage::HistoryRecorder> history;
    if (choice.historyKept) {
        const QString folder = storage::HistoryStore::defaultFolder();
        if (!folder.isEmpty()) {
            history.emplace(storage::HistoryStore(folder));
        } else if (options.command->usesHistory) {
            std::fprintf(
                stderr, "%s\n",
                storage::translate("Storage", storage::kNoDataFolder).toLocal8Bit().constData());
        }
    }
    const diagnosis::RootedSystem system;
    const diagnosis::Diagnosis access = diagnosis::diagnoseThisSystem();
    return finish(options.command->run({
        .hid = hid,
        .value = options.commandValue,
        .flags = options.commandFlags,
        .simulated = choice.simulated(),
        .access = access,
        .realAccess = choice.simulated() ? nullptr : &access,
        .system = system,
        .history = history ? &*history : nullptr,
    }));
}

int runRecorded(hid::HidLayer& hid, const LaunchOptions& options, const AdaptorChoice& choice) {
    SessionRecording recording(hid, options);
    if (!recording.problem().isEmpty()) {
        std::fprintf(stderr, "%s\n", recording.problem().toLocal8Bit().constData());
        return commands::kExitFailed;
    }
    return recording.finish(runOn(recording.layer(), options, choice));
}

// Two programs must never interleave their reports to one adaptor.
int runOnRealAdaptors(const LaunchOptions& options, const AdaptorChoice& choice) {
    storage::SingleInstance realAdaptors;
    if (!realAdaptors.acquire(storage::LockHolder::Command)) {
        if (realAdaptors.heldByAnother()) {
            const QString why = realAdaptors.heldByCommand()
                                    ? realAdaptors.problem() + QLatin1Char('\n')
                                    : storage::translate("CommandLine", kWindowRunning);
            std::fputs(why.toLocal8Bit().constData(), stderr);
            return commands::kExitBusy;
        }
        std::fprintf(stderr, "%s\n", realAdaptors.problem().toLocal8Bit().constData());
        return commands::kExitFailed;
    }
    hid::HidapiBackend hid;
    return runRecorded(hid, options, choice);
}

}  // namespace

int runCommand(const LaunchOptions& options) {
    const AdaptorChoice choice = adaptorChoice(options);
    if (choice.source == AdaptorChoice::Source::Recorded) {
        recording::RecordedAdaptor adaptor(*options.recorded);
        return runRecorded(adaptor, options, choice);
    }
    if (choice.source == AdaptorChoice::Source::Simulated) {
        sim::SimulatedBus bus;
        bus.addAdaptor(*options.simulated);
        return runRecorded(bus, options, choice);
    }
    return runOnRealAdaptors(options, choice);
}

}  // namespace cli
