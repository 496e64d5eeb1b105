#include "cli/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <vector>

#include "cli/qt_options.h"
#include "cli/recorded_session.h"
#include "cli/translations.h"
#include "storage/atomic_file.h"
#include "storage/translate.h"
#include "storage/window_state.h"

namespace cli {
namespace {

CommandLine failure(const QString& message) {
    CommandLine result;
    result.action = LaunchAction::Fail;
    result.text = storage::translate("CommandLine", "%1: %2\nTry --help.\n")
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

// The options that pick a command, with the command each picks.
struct CommandOption {
    QCommandLineOption option;
    Command command;
};

std::vector<CommandOption> commandOptions() {
    const auto option = [](const char* name, const char* description, const char* value = "") {
        return QCommandLineOption(QLatin1String(name),
                                  storage::translate("CommandLine", description),
                                  QLatin1String(value));
    };
    return {
        {option("list", QT_TRANSLATE_NOOP(
                            "CommandLine",
                            "Lists each adaptor present: path, product, version, serial number "
                            "and whether this user may open it (if not: why).")),
         Command::List},
        {option("read",
                QT_TRANSLATE_NOOP("CommandLine",
                                  "Shows the adaptor's identity and its six stored thresholds; "
                                  "writes nothing.")),
         Command::Read},
        {option("write",
                QT_TRANSLATE_NOOP(
                    "CommandLine",
                    "Stores thresholds given as NAME=VALUE,... (V1, V2, H1, H2, SEQH1, SEQH2; "
                    "values 0 to 254), e.g. V1=80,SEQH2=75."),
                "ASSIGNMENTS"),
         Command::Write},
        {option("write-file",
                QT_TRANSLATE_NOOP(
                    "CommandLine",
                    "Stores all six thresholds of a calibration exported from the window "
                    "(File > Export calibration...)."),
                "FILE"),
         Command::WriteFile},
        {option("dump", QT_TRANSLATE_NOOP("CommandLine",
                                          "Shows the adaptor's 128 bytes of memory as hex text.")),
         Command::Dump},
        {option("report",
                QT_TRANSLATE_NOOP("CommandLine",
                                  "Writes a support report to FILE (- for standard output)."),
                "FILE"),
         Command::Report},
    };
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
    "productName, version, serialNumber, and thresholds {V1, V2, H1, H2, SEQH1, SEQH2}\n"
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
        return storage::translate("CommandLine", "--%1 needs a file name, and %2 is a folder")
            .arg(option, path);
    }
    if (!folder.isDir() || !folder.isWritable()) {
        return storage::translate("CommandLine", "--%1 cannot write into the folder %2")
            .arg(option, QDir::toNativeSeparators(folder.filePath()));
    }
    if (const QString refusal = storage::writeRefusal(path); !refusal.isEmpty()) {
        return storage::translate("CommandLine", "--%1 cannot write %2").arg(option, refusal);
    }
    return std::nullopt;
}

// --record FILE and --record-anonymous; an empty text when they are fine.
QString takeRecordOptions(const QCommandLineParser& parser, const QCommandLineOption& record,
                          const QCommandLineOption& anonymous, LaunchOptions& options) {
    options.recordAnonymous = parser.isSet(anonymous);
    if (!parser.isSet(record)) {
        return options.recordAnonymous
                   ? QStringLiteral("--record-anonymous applies to --record only")
                   : QString();
    }
    options.recordPath = parser.value(record);
    if (options.recordPath.isEmpty()) {
        return QStringLiteral("--record needs a file name");
    }
    return outputFileProblem(QStringLiteral("record"), options.recordPath).value_or(QString());
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

// The demo lever's options; an empty text when they are fine, else what is wrong.
QString takeLeverOptions(const QCommandLineParser& parser, const QCommandLineOption& lever,
                         const QCommandLineOption& gates, const QCommandLineOption& noise,
                         LaunchOptions& options) {
    if (!options.simulated) {
        for (const QCommandLineOption* option : {&lever, &gates, &noise}) {
            if (parser.isSet(*option)) {
                return storage::translate("CommandLine", "--%1 applies to --simulate only")
                    .arg(option->names().constFirst());
            }
        }
        return {};
    }
    sim::DemoLever& demo = options.lever;
    if (parser.isSet(lever)) {
        const auto motion = leverMotionNamed(parser.value(lever));
        if (!motion) {
            return storage::translate("CommandLine",
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
            return storage::translate("CommandLine", "--gates applies to --lever=assistant only");
        }
        if (!placement) {
            return storage::translate("CommandLine",
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
            return storage::translate("CommandLine",
                                      "--noise needs a whole number of units 0..%1, not '%2'")
                .arg(kMaxLeverNoise)
                .arg(parser.value(noise));
        }
    }
    return {};
}

}  // namespace

std::optional<sim::AdaptorIdentity> simulatedIdentityNamed(const QString& name) {
    return sim::identityNamed(name.trimmed().toLower().toStdString());
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(storage::translate(
        "CommandLine", "Calibrates the lever thresholds of a USB shifter adaptor."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  storage::translate("CommandLine", "Shows this help."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        storage::translate("CommandLine", "Shows the program's version."));
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        storage::translate("CommandLine",
                           "Runs on a simulated adaptor whose lever moves by itself: kelvo "
                           "(when no value is given), mirad, usb or loader; or on the adaptor a "
                           "recording made with --record holds, given as --simulate=FILE."),
        QStringLiteral("kelvo|mirad|usb|loader|FILE"));
    const QCommandLineOption record(
        QStringLiteral("record"),
        storage::translate("CommandLine",
                           "Records every call to the adaptors and each answer into FILE, with "
                           "the window or any command. The recording holds the adaptor's serial "
                           "number and thresholds; it stops at 50 MB."),
        QStringLiteral("FILE"));
    const QCommandLineOption recordAnonymous(
        QStringLiteral("record-anonymous"),
        storage::translate("CommandLine",
                           "With --record: writes a stand-in for the serial "
                           "number and the device paths."));
    const QCommandLineOption reportRate(
        QStringLiteral("report-rate"),
        storage::translate("CommandLine",
                           "Reports a second the simulated adaptor sends (default 125)."),
        QStringLiteral("HZ"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        storage::translate("CommandLine",
                           "Saves a PNG picture of the window to FILE after about two seconds, "
                           "then closes the window."),
        QStringLiteral("FILE"));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        storage::translate("CommandLine",
                           "Opens the window at FACTOR times the design's size (0.4 to 8), and "
                           "keeps its size, place and View choices for the next run unchanged."),
        QStringLiteral("FACTOR"));
    const QCommandLineOption keepHistory(
        QStringLiteral("keep-history"),
        storage::translate(
            "CommandLine",
            "Keeps the calibration history of a simulated adaptor in the user's data "
            "folder, as it is always kept for real adaptors."));
    const QCommandLineOption lever(
        QStringLiteral("lever"),
        storage::translate("CommandLine",
                           "How the simulated lever moves: tour (the default) goes through the "
                           "gears of both modes; assistant follows the calibration assistant's "
                           "H-pattern steps, assistant-sequential its sequential ones."),
        QStringLiteral("tour|assistant|assistant-sequential"));
    const QCommandLineOption gates(
        QStringLiteral("gates"),
        storage::translate("CommandLine",
                           "X of the assistant lever's left, middle and right gates (default "
                           "40,165,215, where the factory thresholds read some of 3rd as 5th)."),
        QStringLiteral("L,M,R"));
    const QCommandLineOption noise(
        QStringLiteral("noise"),
        storage::translate("CommandLine",
                           "Units the simulated lever shakes in X and Y (default 3 for the "
                           "assistant's lever, 0 for the tour)."),
        QStringLiteral("UNITS"));
    parser.addOptions({help, version, simulate, reportRate, lever, gates, noise, screenshot, scale,
                       keepHistory, record, recordAnonymous});
    const QCommandLineOption json(
        QStringLiteral("json"), storage::translate("CommandLine", "With --read: answers in JSON."));
    const std::vector<CommandOption> commandChoices = commandOptions();
    for (const CommandOption& choice : commandChoices) {
        parser.addOption(choice.option);
    }
    parser.addOption(json);

    // Qt's own options (-style, -platform, ...) are left to QApplication.
    const QStringList args = withDefaultSimulation(withoutQtOptions(
        arguments.isEmpty() ? QStringList{QLatin1String(kProgramName)} : arguments));
    if (!parser.parse(args)) {
        return failure(parser.errorText());
    }
    CommandLine result;
    if (parser.isSet(help)) {
        result.action = LaunchAction::ShowHelp;
        // The parser names the program after its path (or not at all before the
        // application exists), knows no options whose value may be left out, and
        // translates its heading only through an application.
        QString text = parser.helpText();
        text.replace(
            QLatin1String("\nOptions:\n"),
            QLatin1Char('\n') + qtTranslated("QCommandLineParser", "Options:") + QLatin1Char('\n'));
        const qsizetype usageEnd = text.indexOf(QLatin1Char('\n'));
        text.replace(0, usageEnd < 0 ? 0 : usageEnd,
                     storage::translate("CommandLine", "Usage: %1 [options]")
                         .arg(QLatin1String(kProgramName)));
        result.text = text.replace(QLatin1String("--simulate <kelvo|mirad|usb|loader|FILE>"),
                                   QLatin1String("--simulate[=kelvo|mirad|usb|loader|FILE]")) +
                      storage::translate("CommandLine", kCommandHelp);
        return result;
    }
    if (parser.isSet(version)) {
        result.action = LaunchAction::ShowVersion;
        result.text = QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName),
                                                    QLatin1String(kProgramVersion));
        return result;
    }
    // The parser would keep the last of several values, and a script that gives one
    // twice did not mean both: every option of ours is taken once.
    const QStringList given = parser.optionNames();
    for (const QString& name : given) {
        if (given.count(name) > 1) {
            return failure(
                storage::translate("CommandLine", "--%1 is given more than once").arg(name));
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        return failure(storage::translate("CommandLine", "unexpected argument '%1'")
                           .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(simulate)) {
        const QString name = parser.value(simulate);
        result.options.simulated = simulatedIdentityNamed(name);
        if (!result.options.simulated && QFileInfo::exists(name)) {
            QString error;
            result.options.recorded = loadRecordedAdaptor(name, error);
            if (!result.options.recorded) {
                return failure(error);
            }
            result.options.simulated = result.options.recorded->identity;
        }
        if (!result.options.simulated) {
            return failure(storage::translate("CommandLine",
                                              "unknown adaptor '%1' for --simulate: use kelvo, "
                                              "mirad, usb, loader or a recording's file")
                               .arg(name));
        }
    }
    for (const QCommandLineOption* demoOnly : {&reportRate, &lever, &gates, &noise}) {
        if (result.options.recorded && parser.isSet(*demoOnly)) {
            return failure(QStringLiteral("--%1 does not apply to a recording, which plays the "
                                          "reports it holds")
                               .arg(demoOnly->names().constFirst()));
        }
    }
    if (parser.isSet(reportRate)) {
        if (!result.options.simulated) {
            return failure(
                storage::translate("CommandLine", "--report-rate applies to --simulate only"));
        }
        bool isNumber = false;
        const double rate = parser.value(reportRate).toDouble(&isNumber);
        if (!isNumber || !std::isfinite(rate) || rate <= 0 || rate > kMaxReportRateHz) {
            return failure(storage::translate("CommandLine",
                                              "--report-rate needs a number of reports a second "
                                              "above 0 and at most %1, not '%2'")
                               .arg(kMaxReportRateHz)
                               .arg(parser.value(reportRate)));
        }
        result.options.reportRateHz = rate;
    }
    result.options.keepHistory = parser.isSet(keepHistory);
    for (const CommandOption& choice : commandChoices) {
        if (!parser.isSet(choice.option)) {
            continue;
        }
        if (result.options.command != Command::None) {
            return failure(storage::translate("CommandLine", "give one command at a time"));
        }
        result.options.command = choice.command;
        if (!choice.option.valueName().isEmpty()) {
            result.options.commandValue = parser.value(choice.option);
            if (result.options.commandValue.isEmpty()) {
                return failure(
                    storage::translate("CommandLine", "--%1 needs %2")
                        .arg(choice.option.names().constFirst(), choice.option.valueName()));
            }
        }
    }
    result.options.json = parser.isSet(json);
    if (result.options.json && result.options.command != Command::Read) {
        return failure(storage::translate("CommandLine", "--json applies to --read only"));
    }
    for (const QCommandLineOption* windowOnly : {&screenshot, &scale}) {
        if (result.options.command != Command::None && parser.isSet(*windowOnly)) {
            return failure(storage::translate("CommandLine", "--%1 needs the window, not a command")
                               .arg(windowOnly->names().constFirst()));
        }
    }
    if (parser.isSet(scale)) {
        bool isNumber = false;
        const double factor = parser.value(scale).toDouble(&isNumber);
        if (!isNumber ||
            !(factor >= storage::kMinimumWindowScale && factor <= storage::kMaximumWindowScale)) {
            return failure(
                storage::translate("CommandLine", "--scale needs a factor from %1 to %2, not '%3'")
                    .arg(storage::kMinimumWindowScale)
                    .arg(storage::kMaximumWindowScale)
                    .arg(parser.value(scale)));
        }
        result.options.windowScale = factor;
    }
    if (const QString wrong = takeLeverOptions(parser, lever, gates, noise, result.options);
        !wrong.isEmpty()) {
        return failure(wrong);
    }
    if (const QString wrong = takeRecordOptions(parser, record, recordAnonymous, result.options);
        !wrong.isEmpty()) {
        return failure(wrong);
    }
    // A recording of its own replay would replace the recording being played.
    if (result.options.recorded && !result.options.recordPath.isEmpty() &&
        QFileInfo(result.options.recordPath).canonicalFilePath() ==
            QFileInfo(parser.value(simulate)).canonicalFilePath()) {
        return failure(storage::translate("CommandLine",
                                          "--record would replace %1, the recording being "
                                          "played; record into another file")
                           .arg(QDir::toNativeSeparators(parser.value(simulate))));
    }
    if (parser.isSet(screenshot)) {
        result.options.screenshotPath = parser.value(screenshot);
        if (result.options.screenshotPath.isEmpty()) {
            return failure(storage::translate("CommandLine", "--screenshot needs a file name"));
        }
        if (const auto problem =
                outputFileProblem(QStringLiteral("screenshot"), result.options.screenshotPath)) {
            return failure(*problem);
        }
    }
    return result;
}

}  // namespace cli
