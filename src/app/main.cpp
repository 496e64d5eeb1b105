// The program: answers the command line, runs a command without a window, or opens the
// calibration window.
#include <QCoreApplication>
#include <cstdio>

#include "cli/command_line.h"
#include "cli/command_runner.h"
#include "cli/standard_streams.h"
#include "commands/exit_status.h"
#include "storage/atomic_file.h"
#include "translation/translate.h"
#include "translation/translations.h"
#ifdef SHIFTER_WITH_WINDOW
#include "app/run_window.h"
#endif

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    cli::holdClosedStandardStreams();
    storage::noteInheritedDescriptors();
    QCoreApplication::setApplicationName(QLatin1String(cli::kProgramName));
    QCoreApplication::setApplicationVersion(QLatin1String(cli::kProgramVersion));
    translation::loadTranslations();

    // Help, version and mistakes are answered before any display is needed.
    const QStringList arguments = argumentsOf(argc, argv);
    const cli::CommandLine commandLine = cli::parseCommandLine(arguments);
    if (commandLine.action != cli::LaunchAction::Run) {
        std::FILE* out = commandLine.action == cli::LaunchAction::Fail ? stderr : stdout;
        std::fputs(commandLine.text.toLocal8Bit().constData(), out);
        return cli::withOutputDelivered(commandLine.exitCode());
    }
    const cli::LaunchOptions& launch = commandLine.options;
    if (launch.command) {
        return cli::withOutputDelivered(cli::runCommand(launch));
    }
#ifdef SHIFTER_WITH_WINDOW
    return app::runWindow(argc, argv, arguments, launch);
#else
    std::fprintf(stderr, "%s: %s", cli::kProgramName,
                 translation::translate("CommandLine",
                                        "this build has no window; run one of the commands, such "
                                        "as --read.\nTry --help.\n")
                     .toLocal8Bit()
                     .constData());
    return commands::kExitUsage;
#endif
}
