// The program: parses the command line, picks the real or the simulated adaptor, and
// runs the calibration window.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "commands/exit_status.h"
#include "hid/hidapi_backend.h"
#include "qt/app_icon.h"
#include "qt/calibration_menus.h"
#include "qt/calibration_tools.h"
#include "qt/command_line.h"
#include "qt/command_runner.h"
#include "qt/demo_adaptor.h"
#include "qt/form_widget.h"
#include "qt/load_window.h"
#include "qt/lock_refusal.h"
#include "qt/qt_options.h"
#include "qt/qt_toolkit.h"
#include "qt/screenshot.h"
#include "qt/standard_streams.h"
#include "qt/system_access.h"
#include "sim/simulated_bus.h"
#include "storage/data_folder.h"
#include "storage/history_recorder.h"
#include "window/frm_main.h"

namespace {

constexpr std::chrono::milliseconds kScreenshotDelay{2000};

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// Qt ends the program with an abort when the window has no display to go to; a
// sentence that says so is better. Qt's offscreen or any other chosen platform, or an
// X display named with -display, needs no display in the environment.
bool noDisplayForTheWindow(const QStringList& arguments) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qt::qtOptionValue(arguments, QStringLiteral("platform")).isEmpty() &&
           qt::qtOptionValue(arguments, QStringLiteral("display")).isEmpty() &&
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
    std::string notice_ = storage::kNoDataFolder;
};

}  // namespace

int main(int argc, char** argv) {
    qt::holdClosedStandardStreams();
    QCoreApplication::setApplicationName(QLatin1String(qt::kProgramName));
    QCoreApplication::setApplicationVersion(QLatin1String(qt::kProgramVersion));

    // Help, version and mistakes are answered before any display is needed.
    const QStringList arguments = argumentsOf(argc, argv);
    const qt::CommandLine commandLine = qt::parseCommandLine(arguments);
    if (commandLine.action != qt::LaunchAction::Run) {
        std::FILE* out = commandLine.action == qt::LaunchAction::Fail ? stderr : stdout;
        std::fputs(commandLine.text.toLocal8Bit().constData(), out);
        return qt::withOutputDelivered(commandLine.exitCode());
    }
    const qt::LaunchOptions& launch = commandLine.options;
    if (launch.command != qt::Command::None) {
        return qt::withOutputDelivered(qt::runCommand(launch));
    }
    if (noDisplayForTheWindow(arguments)) {
        std::fprintf(stderr,
                     "%s: there is no display to show the window on (neither DISPLAY nor "
                     "WAYLAND_DISPLAY is set). The commands, such as --read, work without "
                     "one.\nTry --help.\n",
                     qt::kProgramName);
        return commands::kExitFailed;
    }

    QApplication application(argc, argv);
    QApplication::setWindowIcon(qt::applicationIcon());

    // The simulated adaptor is private to each instance and needs no lock.
    std::optional<storage::SingleInstance> realAdaptors;
    std::unique_ptr<hid::HidLayer> hidLayer;
    if (launch.simulated) {
        auto bus = std::make_unique<sim::SimulatedBus>();
        qt::startDemoAdaptor(*bus, *launch.simulated, launch.reportRateHz, launch.lever);
        hidLayer = std::move(bus);
    } else {
        if (!realAdaptors.emplace().acquire()) {
            qt::reportNotAcquired(*realAdaptors);
            return realAdaptors->heldByAnother() ? commands::kExitBusy : commands::kExitFailed;
        }
        hidLayer = std::make_unique<hid::HidapiBackend>();
    }

    WindowOptions options;
    options.adaptorIsSimulated = launch.simulated.has_value();
    // A demo leaves the user's data alone unless asked.
    std::optional<storage::HistoryRecorder> history;
    NoDataFolder noDataFolder;
    if (!launch.simulated || launch.keepHistory) {
        const QString folder = storage::HistoryStore::defaultFolder();
        if (folder.isEmpty()) {
            options.history = &noDataFolder;
        } else {
            options.history = &history.emplace(storage::HistoryStore(folder));
        }
    }
    // The diagnosis explains the real adaptors only.
    if (!launch.simulated) {
        options.accessAdvice = qt::accessAdvice;
    }

    qt::QtToolkitServices toolkit;
    frmMain window(*hidLayer, toolkit, options);
    qt::FormWidget widget(window);
    new qt::CalibrationTools(widget, window);
    new qt::CalibrationMenus(widget, window, history ? &history->store() : nullptr,
                             QString::fromStdString(hid::hidapiVersion()));
    if (!launch.simulated) {
        widget.setAccessDetails([] { return QString::fromStdString(qt::accessDetails()); });
    }

    qt::loadAndShow(window, widget, toolkit);

    bool screenshotFailed = false;
    if (!launch.screenshotPath.isEmpty()) {
        qt::screenshotThenClose(
            widget, launch.screenshotPath, kScreenshotDelay, [&](const QString& error) {
                if (!error.isEmpty()) {
                    std::fprintf(stderr, "%s: could not write %s\n", qt::kProgramName,
                                 error.toLocal8Bit().constData());
                    screenshotFailed = true;
                }
            });
    }
    const int status = QApplication::exec();
    return screenshotFailed ? 1 : status;
}
