#include "cli/command_runner.h"

#include <cstdio>
#include <optional>

#include "cli/adaptor_choice.h"
#include "cli/command.h"
#include "hid/hidapi/hidapi_backend.h"
#include "lock/single_instance.h"
#include "session_recording/session_recording.h"
#include "sim/simulated_bus.h"
#include "storage/data_folder.h"
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

int runOn(hid::HidLayer& hid, const LaunchOptions& options, const AdaptorChoice& choice) {
    std::optional<storage::HistoryRecorder> history;
    if (choice.historyKept) {
        const QString folder = storage::HistoryStore::defaultFolder();
        if (!folder.isEmpty()) {
            history.emplace(storage::HistoryStore(folder));
        } else if (options.command->usesHistory) {
            std::fprintf(stderr, "%s\n",
                         translation::translate("Storage", storage::kNoDataFolder)
                             .toLocal8Bit()
                             .constData());
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
    session_recording::SessionRecording recording(hid, options.recordPath, options.recordAnonymous);
    if (!recording.problem().isEmpty()) {
        std::fprintf(stderr, "%s\n", recording.problem().toLocal8Bit().constData());
        return commands::kExitFailed;
    }
    return recording.finish(runOn(recording.layer(), options, choice));
}

// Two programs must never interleave their reports to one adaptor.
int runOnRealAdaptors(const LaunchOptions& options, const AdaptorChoice& choice) {
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
