// The calibration window: picks the real, the simulated or a recorded adaptor, records
// the session when asked, keeps the history, wires the window object to its widgets and
// runs it.
#include "app/run_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/screenshot.h"
#include "cli/adaptor_choice.h"
#include "cli/qt_options.h"
#include "commands/exit_status.h"
#include "gui/assistant/calibration_tools.h"
#include "gui/calibration/calibration_menus.h"
#include "gui/form/app_icon.h"
#include "gui/form/form_widget.h"
#include "gui/form/load_window.h"
#include "gui/form/lock_refusal.h"
#include "gui/form/qt_toolkit.h"
#include "gui/form/window_memory.h"
#include "gui/help/support_recording_dialog.h"
#include "hid/hidapi/hidapi_backend.h"
#include "history/window_recorder.h"
#include "resources/program_version.h"
#include "session_recording/session_recording.h"
#include "sim/demo_adaptor.h"
#include "sim/simulated_bus.h"
#include "storage/data_folder.h"
#include "storage/history_recorder.h"
#include "storage/window_state.h"
#include "system/system_access.h"
#include "translation/translate.h"
#include "translation/translations.h"
#include "window/frm_main.h"

namespace app {
namespace {

constexpr std::chrono::milliseconds kScreenshotDelay{2000};

// Qt ends the program with an abort when the window has no display to go to; a
// sentence that says so is better. Qt's offscreen or any other chosen platform, or an
// X display named with -display, needs no display in the environment.
bool noDisplayForTheWindow(const QStringList& arguments) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           cli::qtOptionValue(arguments, QStringLiteral("platform")).isEmpty() &&
           cli::qtOptionValue(arguments, QStringLiteral("display")).isEmpty() &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    (void)arguments;
    return false;
#endif
}

// Without a data folder nothing is kept; the status line says why at the first
// calibration the window would have recorded.
class NoDataFolder : public history::Recorder {
  public:
    history::Recorded record(history::Entry) override {
        return {false, std::exchange(notice_, {})};
    }

  private:
    std::string notice_ = i18n::translate("Storage", storage::kNoDataFolder);
};

// A new program on the simulated adaptor takes this one's place. A restart rather than
// a switch of the running window: the real adaptors' lock, the history kept and the
// window object's HID layer are all chosen at the start, and a simulated start chooses
// each of them the way the user already knows from --simulate.
void restartSimulated(gui::FormWidget& widget) {
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                 {QStringLiteral("--simulate")})) {
        QMessageBox::warning(&widget, QCoreApplication::applicationName(),
                             translation::translate("CommandLine",
                                                    "The simulated adaptor could not be "
                                                    "started; start the program with --simulate."));
        return;
    }
    widget.close();
}

}  // namespace

int runWindow(int argc, char** argv, const QStringList& arguments,
              const cli::LaunchOptions& launch) {
    if (noDisplayForTheWindow(arguments)) {
        std::fprintf(
            stderr, "%s: %s", cli::kProgramName,
            translation::translate("CommandLine",
                                   "there is no display to show the window on (neither "
                                   "DISPLAY nor WAYLAND_DISPLAY is set). The commands, such "
                                   "as --read, work without one.\nTry --help.\n")
                .toLocal8Bit()
                .constData());
        return commands::kExitFailed;
    }

    QApplication application(argc, argv);
    // The app id on Wayland: the desktop matches the window to its launcher by it.
    QGuiApplication::setDesktopFileName(QLatin1String(resources::kDesktopFileName));
    translation::installTranslations();
    QApplication::setWindowIcon(gui::applicationIcon());

    // The simulated adaptor is private to each instance and needs no lock.
    const cli::AdaptorChoice choice = cli::adaptorChoice(launch);
    std::optional<lock::SingleInstance> realAdaptors;
    std::unique_ptr<hid::HidLayer> hidLayer;
    if (choice.source == cli::AdaptorChoice::Source::Recorded) {
        hidLayer = std::make_unique<recording::RecordedAdaptor>(*launch.recorded);
    } else if (choice.source == cli::AdaptorChoice::Source::Simulated) {
        auto bus = std::make_unique<sim::SimulatedBus>();
        sim::startDemoAdaptor(*bus, *launch.simulated, launch.reportRateHz, launch.lever);
        hidLayer = std::move(bus);
    } else {
        if (!realAdaptors.emplace().acquire(lock::LockHolder::Window)) {
            gui::reportNotAcquired(*realAdaptors);
            return realAdaptors->heldByAnother() ? commands::kExitBusy : commands::kExitFailed;
        }
        hidLayer = std::make_unique<hid::HidapiBackend>();
    }

    WindowOptions options;
    options.adaptorIsSimulated = choice.simulated();
    options.simulatedHistoryKept = choice.simulated() && choice.historyKept;
    std::optional<storage::HistoryRecorder> history;
    NoDataFolder noDataFolder;
    history::Recorder* recorder = nullptr;
    if (choice.historyKept) {
        const QString folder = storage::HistoryStore::defaultFolder();
        if (folder.isEmpty()) {
            recorder = &noDataFolder;
        } else {
            recorder = &history.emplace(storage::HistoryStore(folder));
        }
    }
    // The diagnosis explains the real adaptors only.
    if (!choice.simulated()) {
        options.accessAdvice = [] { return diagnosis::refusalAdvice(); };
    }

    session_recording::SessionRecording recording(*hidLayer, launch.recordPath,
                                                  launch.recordAnonymous, true);
    if (!recording.problem().isEmpty()) {
        std::fprintf(stderr, "%s\n", recording.problem().toLocal8Bit().constData());
        return commands::kExitFailed;
    }
    gui::QtToolkitServices toolkit;
    frmMain window(recording.layer(), toolkit, options);
    history::WindowRecorder connection(recorder);
    window.attach(connection);
    gui::FormWidget widget(window);
    new gui::CalibrationTools(widget, window);
    new gui::CalibrationMenus(widget, window, connection, history ? &history->store() : nullptr,
                              QString::fromStdString(hid::hidapiVersion()));
    if (recording::RecordingLayer* support = recording.supportRecording()) {
        gui::addSupportRecording(widget, *support);
    }
    if (!choice.simulated()) {
        widget.setAccessDetails([] { return QString::fromStdString(diagnosis::accessDetails()); });
        widget.offerSimulation([&widget] { restartSimulated(widget); });
    }

    // A window opened at a chosen scale or for a picture leaves the kept size alone, so
    // that pictures and measurements do not depend on the user's last session.
    const bool remember = !launch.windowScale && launch.screenshotPath.isEmpty();
    storage::WindowStateFile kept(storage::WindowStateFile::defaultPath());
    gui::WindowMemory memory(kept);
    gui::loadAndShow(window, widget, toolkit, {launch.windowScale, remember ? &memory : nullptr});

    bool screenshotFailed = false;
    if (!launch.screenshotPath.isEmpty()) {
        app::screenshotThenClose(
            widget, launch.screenshotPath, kScreenshotDelay, [&](const QString& error) {
                if (!error.isEmpty()) {
                    std::fprintf(stderr, "%s: %s\n", cli::kProgramName,
                                 translation::translate("CommandLine", "could not write %1")
                                     .arg(error)
                                     .toLocal8Bit()
                                     .constData());
                    screenshotFailed = true;
                }
            });
    }
    const int status = QApplication::exec();
    if (remember) {
        memory.save(widget);
    }
    return recording.finish(screenshotFailed ? commands::kExitFailed : status);
}

}  // namespace app
