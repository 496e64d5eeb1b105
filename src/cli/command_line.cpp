#include "cli/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "cli/command_list.h"
#include "cli/qt_options.h"
#include "session_recording/session_recording.h"
#include "storage/atomic_file.h"
#include "storage/window_state.h"
#include "translation/translate.h"
#include "translation/translations.h"

namespace cli {
namespace {

CommandLine failure(const QString& message) {
    CommandLine result;
    result.action = LaunchAction::Fail;
    result.text = translation::translate("CommandLine", "%1: %2\nTry --help.\n")
                      .arg(QLatin1String(kProgramName), message);
    return result;
}

// "--simulate" takes an adaptor name after '=' or as the next argument, and means the
// Kelvo adaptor without one; the parser itself only knows options that always or never
// take a value.
QStringList withDefaultSimulation(const QStringList& arguments) {
    QStringList result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 &&
            (argument == QLatin1String("--simulate") || argument == QLatin1String("-simulate"))) {
            const bool named =
                i + 1 < arguments.size() && simulatedIdentityNamed(arguments[i + 1]).has_value();
            result << QStringLiteral("--simulate=%1")
                          .arg(named ? arguments[++i] : QStringLiteral("kelvo"));
        } else if (argument == QLatin1String("--")) {
            result << arguments.mid(i);
            break;
        } else {
            result << argument;
        }
    }
    return result;
}

// Exit statuses and the JSON fields, after the options in --help.
constexpr const char* kCommandHelp = QT_TRANSLATE_NOOP(
    "CommandLine",
    "\nExit statuses:\n"
    "  0  done\n"
    "  1  the adaptor refused or did not answer a report, a file or standard output\n"
    "     could not be written, or the window has no display\n"
    "  2  wrong command line or values; nothing was sent\n"
    "  3  another instance (the window) is using the adaptors; nothing was sent\n"
    "  4  no adaptor could be opened\n"
    "\n--read --json prints one object: path, productId (number), product, manufacturer,\n"
    "productName, version, serialNumber, and thresholds {V1, V2, H1, H2, SeqH1, SeqH2}\n"
    "(numbers 0..255; absent for the firmware loader).\n");

std::optional<sim::DemoLever::Motion> leverMotionNamed(const QString& name) {
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("tour")) {
        return sim::DemoLever::Motion::Tour;
    }
    if (key == QLatin1String("assistant")) {
        return sim::DemoLever::Motion::Assistant;
    }
    if (key == QLatin1String("assistant-sequential")) {
        return sim::DemoLever::Motion::AssistantSequential;
    }
    return std::nullopt;
}

// A screenshot or recording that cannot be written is refused at once, not after the
// session ran.
std::optional<QString> outputFileProblem(const QString& option, const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isDir()) {
        return translation::translate("CommandLine", "--%1 needs a file name, and %2 is a folder")
            .arg(option, path);
    }
    if (!folder.isDir() || !folder.isWritable()) {
        return translation::translate("CommandLine", "--%1 cannot write into the folder %2")
            .arg(option, QDir::toNativeSeparators(folder.filePath()));
    }
    if (const QString refusal = storage::writeRefusal(path); !refusal.isEmpty()) {
        return translation::translate("CommandLine", "--%1 cannot write %2").arg(option, refusal);
    }
    return std::nullopt;
}

// "40,165,215": three columns from left to right, each 0..255.
std::optional<sim::GatePlacement> gatesNamed(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3) {
        return std::nullopt;
    }
    int columns[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool isNumber = false;
        columns[i] = parts[i].trimmed().toInt(&isNumber);
        if (!isNumber || columns[i] < 0 || columns[i] > 255 ||
            (i > 0 && columns[i] <= columns[i - 1])) {
            return std::nullopt;
        }
    }
    return sim::GatePlacement{static_cast<std::uint8_t>(columns[0]),
                              static_cast<std::uint8_t>(columns[1]),
                              static_cast<std::uint8_t>(columns[2])};
}

// The options of the program itself and of the window; each command brings its own.
struct OwnOptions {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption simulate;
    QCommandLineOption reportRate;
    QCommandLineOption lever;
    QCommandLineOption gates;
    QCommandLineOption noise;
    QCommandLineOption screenshot;
    QCommandLineOption scale;
    QCommandLineOption keepHistory;
    QCommandLineOption record;
    QCommandLineOption recordAnonymous;
};

OwnOptions ownOptions() {
    return {
        .help = QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                   translation::translate("CommandLine", "Shows this help.")),
        .version = QCommandLineOption(
            {QStringLiteral("v"), QStringLiteral("version")},
            translation::translate("CommandLine", "Shows the program's version.")),
        .simulate = QCommandLineOption(
            QStringLiteral("simulate"),
            translation::translate(
                "CommandLine",
                "Runs on a simulated adaptor whose lever moves by itself: kelvo "
                "(when no value is given), mirad, usb or loader; or on the adaptor a "
                "recording made with --record holds, given as --simulate=FILE."),
            QStringLiteral("kelvo|mirad|usb|loader|FILE")),
        .reportRate = QCommandLineOption(
            QStringLiteral("report-rate"),
            translation::translate("CommandLine",
                                   "Reports a second the simulated adaptor sends (default 125)."),
            QStringLiteral("HZ")),
        .lever = QCommandLineOption(
            QStringLiteral("lever"),
            translation::translate(
                "CommandLine",
                "How the simulated lever moves: tour (the default) goes through the "
                "gears of both modes; assistant follows the calibration assistant's "
                "H-pattern steps, assistant-sequential its sequential ones."),
            QStringLiteral("tour|assistant|assistant-sequential")),
        .gates = QCommandLineOption(
            QStringLiteral("gates"),
            translation::translate(
                "CommandLine",
                "X of the assistant lever's left, middle and right gates (default "
                "40,165,215, where the factory thresholds read some of 3rd as 5th)."),
            QStringLiteral("L,M,R")),
        .noise = QCommandLineOption(
            QStringLiteral("noise"),
            translation::translate("CommandLine",
                                   "Units the simulated lever shakes in X and Y (default 3 for the "
                                   "assistant's lever, 0 for the tour)."),
            QStringLiteral("UNITS")),
        .screenshot = QCommandLineOption(
            QStringLiteral("screenshot"),
            translation::translate(
                "CommandLine",
                "Saves a PNG picture of the window to FILE after about two seconds, "
                "then closes the window."),
            QStringLiteral("FILE")),
        .scale = QCommandLineOption(
            QStringLiteral("scale"),
            translation::translate(
                "CommandLine",
                "Opens the window at FACTOR times the design's size (0.4 to 8), and "
                "keeps its size, place and View choices for the next run unchanged."),
            QStringLiteral("FACTOR")),
        .keepHistory = QCommandLineOption(
            QStringLiteral("keep-history"),
            translation::translate(
                "CommandLine",
                "Keeps the calibration history of a simulated adaptor in the user's data "
                "folder, as it is always kept for real adaptors.")),
        .record = QCommandLineOption(
            QStringLiteral("record"),
            translation::translate(
                "CommandLine",
                "Records every call to the adaptors and each answer into FILE, with "
                "the window or any command. The recording holds the adaptor's serial "
                "number and thresholds; it stops at 50 MB."),
            QStringLiteral("FILE")),
        .recordAnonymous = QCommandLineOption(
            QStringLiteral("record-anonymous"),
            translation::translate("CommandLine",
                                   "With --record: writes a stand-in for the serial "
                                   "number and the device paths.")),
    };
}

// Ours in the order --help shows them, then each command's option and its own flags.
QList<QCommandLineOption> allOptions(const OwnOptions& own) {
    QList<QCommandLineOption> options{
        own.help,  own.version,    own.simulate, own.reportRate,  own.lever,  own.gates,
        own.noise, own.screenshot, own.scale,    own.keepHistory, own.record, own.recordAnonymous};
    for (const Command* command : commandList()) {
        options << QCommandLineOption(QLatin1String(command->name),
                                      translation::translate("CommandLine", command->help),
                                      QLatin1String(command->valueName));
    }
    for (const Command* command : commandList()) {
        for (const CommandFlag& flag : command->flags) {
            options << QCommandLineOption(QLatin1String(flag.name),
                                          translation::translate("CommandLine", flag.help));
        }
    }
    return options;
}

// What the parser refused, in the program's own words (the parser's are English
// before the application exists): the option it does not know, or the one whose value
// is missing or was not asked for.
QString parserProblem(const QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                      const QStringList& arguments) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        const QString dashes =
            unknown.constFirst().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        return translation::translate("CommandLine", "unknown option '%1'")
            .arg(dashes + unknown.constFirst());
    }
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        const QString& argument = arguments[i];
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        const QString name = QString(typed).remove(QRegularExpression(QStringLiteral("^--?")));
        const auto option = std::find_if(
            options.begin(), options.end(),
            [&](const QCommandLineOption& known) { return known.names().contains(name); });
        if (!argument.startsWith(QLatin1Char('-')) || option == options.end()) {
            continue;
        }
        const bool takesValue = !option->valueName().isEmpty();
        const bool valueJoined = argument.contains(QLatin1Char('='));
        if (!takesValue && valueJoined) {
            return translation::translate("CommandLine", "%1 takes no value").arg(typed);
        }
        if (takesValue && !valueJoined) {
            ++i;  // the next argument is its value
            if (i == arguments.size()) {
                return translation::translate("CommandLine", "--%1 needs %2")
                    .arg(name, option->valueName());
            }
        }
    }
    return parser.errorText();
}

// The parser names the program after its path (or not at all before the application
// exists), knows no options whose value may be left out, and translates its heading
// only through an application.
QString helpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text.replace(QLatin1String("\nOptions:\n"),
                 QLatin1Char('\n') + translation::qtTranslated("QCommandLineParser", "Options:") +
                     QLatin1Char('\n'));
    const qsizetype usageEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, usageEnd < 0 ? 0 : usageEnd,
                 translation::translate("CommandLine", "Usage: %1 [options]")
                     .arg(QLatin1String(kProgramName)));
    return text.replace(QLatin1String("--simulate <kelvo|mirad|usb|loader|FILE>"),
                        QLatin1String("--simulate[=kelvo|mirad|usb|loader|FILE]")) +
           translation::translate("CommandLine", kCommandHelp);
}

// Each step below takes what it reads from the parser into the options and gives what
// is wrong, or an empty text when all is fine; parseCommandLine runs them in turn.

// The parser would keep the last of several values, and a script that gives one twice
// did not mean both: every option of ours is taken once, and no argument stands alone.
QString takeEachOnce(const QCommandLineParser& parser, const OwnOptions&, LaunchOptions&) {
    const QStringList given = parser.optionNames();
    for (const QString& name : given) {
        if (given.count(name) > 1) {
            return translation::translate("CommandLine", "--%1 is given more than once").arg(name);
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        return translation::translate("CommandLine", "unexpected argument '%1'")
            .arg(parser.positionalArguments().constFirst());
    }
    return {};
}

// --simulate: an adaptor's name or a recording's file.
QString takeSimulation(const QCommandLineParser& parser, const OwnOptions& own,
                       LaunchOptions& options) {
    options.keepHistory = parser.isSet(own.keepHistory);
    if (!parser.isSet(own.simulate)) {
        return {};
    }
    const QString name = parser.value(own.simulate);
    options.simulated = simulatedIdentityNamed(name);
    if (!options.simulated && QFileInfo::exists(name)) {
        QString error;
        options.recorded = session_recording::loadRecordedAdaptor(name, error);
        if (!options.recorded) {
            return error;
        }
        options.simulated = options.recorded->identity;
    }
    if (!options.simulated) {
        return translation::translate("CommandLine",
                                      "unknown adaptor '%1' for --simulate: use kelvo, "
                                      "mirad, usb, loader or a recording's file")
            .arg(name);
    }
    return {};
}

// --report-rate, and none of the demo's options for a recording.
QString takeReportRate(const QCommandLineParser& parser, const OwnOptions& own,
                       LaunchOptions& options) {
    for (const QCommandLineOption* demoOnly :
         {&own.reportRate, &own.lever, &own.gates, &own.noise}) {
        if (options.recorded && parser.isSet(*demoOnly)) {
            return translation::translate("CommandLine",
                                          "--%1 does not apply to a recording, which plays the "
                                          "reports it holds")
                .arg(demoOnly->names().constFirst());
        }
    }
    if (!parser.isSet(own.reportRate)) {
        return {};
    }
    if (!options.simulated) {
        return translation::translate("CommandLine", "--report-rate applies to --simulate only");
    }
    bool isNumber = false;
    const double rate = parser.value(own.reportRate).toDouble(&isNumber);
    if (!isNumber || !std::isfinite(rate) || rate <= 0 || rate > kMaxReportRateHz) {
        return translation::translate("CommandLine",
                                      "--report-rate needs a number of reports a second "
                                      "above 0 and at most %1, not '%2'")
            .arg(kMaxReportRateHz)
            .arg(parser.value(own.reportRate));
    }
    options.reportRateHz = rate;
    return {};
}

// One command at most, with its value when it takes one.
QString takeCommand(const QCommandLineParser& parser, const OwnOptions&, LaunchOptions& options) {
    for (const Command* command : commandList()) {
        const QString name = QLatin1String(command->name);
        if (!parser.isSet(name)) {
            continue;
        }
        if (options.command) {
            return translation::translate("CommandLine", "give one command at a time");
        }
        options.command = command;
        if (*command->valueName) {
            options.commandValue = parser.value(name);
            if (options.commandValue.isEmpty()) {
                return translation::translate("CommandLine", "--%1 needs %2")
                    .arg(name, QLatin1String(command->valueName));
            }
        }
    }
    return {};
}

// A command's own flags, with that command only.
QString takeCommandFlags(const QCommandLineParser& parser, const OwnOptions&,
                         LaunchOptions& options) {
    for (const Command* command : commandList()) {
        for (const CommandFlag& flag : command->flags) {
            if (!parser.isSet(QLatin1String(flag.name))) {
                continue;
            }
            if (options.command != command) {
                return translation::translate("CommandLine", flag.elsewhere);
            }
            options.commandFlags << QLatin1String(flag.name);
        }
    }
    return {};
}

// --scale, and neither it nor --screenshot with a command.
QString takeScale(const QCommandLineParser& parser, const OwnOptions& own, LaunchOptions& options) {
    for (const QCommandLineOption* windowOnly : {&own.screenshot, &own.scale}) {
        if (options.command && parser.isSet(*windowOnly)) {
            return translation::translate("CommandLine", "--%1 needs the window, not a command")
                .arg(windowOnly->names().constFirst());
        }
    }
    if (!parser.isSet(own.scale)) {
        return {};
    }
    bool isNumber = false;
    const double factor = parser.value(own.scale).toDouble(&isNumber);
    if (!isNumber ||
        !(factor >= storage::kMinimumWindowScale && factor <= storage::kMaximumWindowScale)) {
        return translation::translate("CommandLine",
                                      "--scale needs a factor from %1 to %2, not '%3'")
            .arg(storage::kMinimumWindowScale)
            .arg(storage::kMaximumWindowScale)
            .arg(parser.value(own.scale));
    }
    options.windowScale = factor;
    return {};
}

// The demo lever's options; an empty text when they are fine, else what is wrong.
QString takeLeverOptions(const QCommandLineParser& parser, const OwnOptions& own,
                         LaunchOptions& options) {
    const QCommandLineOption& lever = own.lever;
    const QCommandLineOption& gates = own.gates;
    const QCommandLineOption& noise = own.noise;
    if (!options.simulated) {
        for (const QCommandLineOption* option : {&lever, &gates, &noise}) {
            if (parser.isSet(*option)) {
                return translation::translate("CommandLine", "--%1 applies to --simulate only")
                    .arg(option->names().constFirst());
            }
        }
        return {};
    }
    sim::DemoLever& demo = options.lever;
    if (parser.isSet(lever)) {
        const auto motion = leverMotionNamed(parser.value(lever));
        if (!motion) {
            return translation::translate("CommandLine",
                                          "unknown lever '%1' for --lever: use tour, assistant or "
                                          "assistant-sequential")
                .arg(parser.value(lever));
        }
        demo.motion = *motion;
    }
    const bool assistantLever = demo.motion != sim::DemoLever::Motion::Tour;
    if (parser.isSet(gates)) {
        const auto placement = gatesNamed(parser.value(gates));
        if (demo.motion != sim::DemoLever::Motion::Assistant) {
            return translation::translate("CommandLine",
                                          "--gates applies to --lever=assistant only");
        }
        if (!placement) {
            return translation::translate(
                       "CommandLine",
                       "--gates needs three X positions 0..255 from left to right, "
                       "such as 40,165,215, not '%1'")
                .arg(parser.value(gates));
        }
        demo.gates = *placement;
    }
    demo.noise = assistantLever ? kAssistantLeverNoise : 0;
    if (parser.isSet(noise)) {
        bool isNumber = false;
        demo.noise = parser.value(noise).toInt(&isNumber);
        if (!isNumber || demo.noise < 0 || demo.noise > kMaxLeverNoise) {
            return translation::translate("CommandLine",
                                          "--noise needs a whole number of units 0..%1, not '%2'")
                .arg(kMaxLeverNoise)
                .arg(parser.value(noise));
        }
    }
    return {};
}

// --record FILE and --record-anonymous; an empty text when they are fine.
QString takeRecordOptions(const QCommandLineParser& parser, const OwnOptions& own,
                          LaunchOptions& options) {
    options.recordAnonymous = parser.isSet(own.recordAnonymous);
    if (!parser.isSet(own.record)) {
        return options.recordAnonymous
                   ? translation::translate("CommandLine",
                                            "--record-anonymous applies to --record only")
                   : QString();
    }
    options.recordPath = parser.value(own.record);
    if (options.recordPath.isEmpty()) {
        return translation::translate("CommandLine", "--record needs a file name");
    }
    return outputFileProblem(QStringLiteral("record"), options.recordPath).value_or(QString());
}

// A recording of its own replay would replace the recording being played.
QString takeReplayNotRecorded(const QCommandLineParser& parser, const OwnOptions& own,
                              LaunchOptions& options) {
    if (options.recorded && !options.recordPath.isEmpty() &&
        QFileInfo(options.recordPath).canonicalFilePath() ==
            QFileInfo(parser.value(own.simulate)).canonicalFilePath()) {
        return translation::translate("CommandLine",
                                      "--record would replace %1, the recording being "
                                      "played; record into another file")
            .arg(QDir::toNativeSeparators(parser.value(own.simulate)));
    }
    return {};
}

// --screenshot FILE, refused at once when FILE cannot be written.
QString takeScreenshot(const QCommandLineParser& parser, const OwnOptions& own,
                       LaunchOptions& options) {
    if (!parser.isSet(own.screenshot)) {
        return {};
    }
    options.screenshotPath = parser.value(own.screenshot);
    if (options.screenshotPath.isEmpty()) {
        return translation::translate("CommandLine", "--screenshot needs a file name");
    }
    return outputFileProblem(QStringLiteral("screenshot"), options.screenshotPath)
        .value_or(QString());
}

}  // namespace

std::optional<sim::AdaptorIdentity> simulatedIdentityNamed(const QString& name) {
    return sim::identityNamed(name.trimmed().toLower().toStdString());
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(translation::translate(
        "CommandLine", "Calibrates the lever thresholds of a USB shifter adaptor."));
    const OwnOptions own = ownOptions();
    const QList<QCommandLineOption> options = allOptions(own);
    parser.addOptions(options);
    // Qt's own options (-style, -platform, ...) are left to QApplication.
    const QStringList args = withDefaultSimulation(withoutQtOptions(
        arguments.isEmpty() ? QStringList{QLatin1String(kProgramName)} : arguments));
    if (!parser.parse(args)) {
        return failure(parserProblem(parser, options, args));
    }
    CommandLine result;
    if (parser.isSet(own.help)) {
        result.action = LaunchAction::ShowHelp;
        result.text = helpText(parser);
        return result;
    }
    if (parser.isSet(own.version)) {
        result.action = LaunchAction::ShowVersion;
        result.text = QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName),
                                                    QLatin1String(kProgramVersion));
        return result;
    }
    using Step = QString (*)(const QCommandLineParser&, const OwnOptions&, LaunchOptions&);
    for (const Step step :
         {takeEachOnce, takeSimulation, takeReportRate, takeCommand, takeCommandFlags, takeScale,
          takeLeverOptions, takeRecordOptions, takeReplayNotRecorded, takeScreenshot}) {
        if (const QString wrong = step(parser, own, result.options); !wrong.isEmpty()) {
            return failure(wrong);
        }
    }
    return result;
}

}  // namespace cli
