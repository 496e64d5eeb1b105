// The command line: which adaptor to simulate, the report rate, the screenshot, and
// clear failures for everything else.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <set>
#include <tuple>
#include <vector>

#include "cli/command_line.h"
#include "cli/command_list.h"
#include "protocol/adaptor_protocol.h"

namespace {

cli::CommandLine parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("shifter-calibration"));
    return cli::parseCommandLine(arguments);
}

TEST(CommandLine, NoArgumentsRunsOnTheRealBus) {
    const cli::CommandLine line = parse({});
    EXPECT_EQ(line.action, cli::LaunchAction::Run);
    EXPECT_FALSE(line.options.simulated.has_value());
    EXPECT_TRUE(line.options.screenshotPath.isEmpty());
    EXPECT_EQ(line.exitCode(), 0);
    EXPECT_EQ(cli::parseCommandLine({}).action, cli::LaunchAction::Run);
}

TEST(CommandLine, SimulateAloneMeansAKelvoAdaptor) {
    const cli::CommandLine line = parse({"--simulate"});
    ASSERT_EQ(line.action, cli::LaunchAction::Run);
    ASSERT_TRUE(line.options.simulated.has_value());
    EXPECT_EQ(line.options.simulated->productId, protocol::kKelvo);
    EXPECT_DOUBLE_EQ(line.options.reportRateHz, 125);  // reports a second, as --help says
}

TEST(CommandLine, SimulateNamesEachProduct) {
    const std::pair<const char*, std::uint16_t> products[] = {{"kelvo", protocol::kKelvo},
                                                              {"mirad", protocol::kMirad},
                                                              {"usb", protocol::kUsbShifter},
                                                              {"loader", protocol::kLoader},
                                                              {"MIRAD", protocol::kMirad}};
    for (const auto& [name, product] : products) {
        SCOPED_TRACE(name);
        const cli::CommandLine line = parse({QStringLiteral("--simulate=%1").arg(name)});
        ASSERT_TRUE(line.options.simulated.has_value());
        EXPECT_EQ(line.options.simulated->productId, product);
    }
}

TEST(CommandLine, UnknownSimulatedAdaptorFailsWithExitCodeTwo) {
    for (const QString& argument :
         {QStringLiteral("--simulate=wheel"), QStringLiteral("--simulate=")}) {
        SCOPED_TRACE(argument.toStdString());
        const cli::CommandLine line = parse({argument});
        EXPECT_EQ(line.action, cli::LaunchAction::Fail);
        EXPECT_EQ(line.exitCode(), 2);
        EXPECT_TRUE(line.text.contains(QStringLiteral("--simulate")));
    }
    EXPECT_TRUE(parse({"--simulate=wheel"}).text.contains(QStringLiteral("'wheel'")));
}

TEST(CommandLine, ReportRateIsTakenWhenSimulating) {
    const cli::CommandLine line = parse({"--simulate", "--report-rate=1000"});
    ASSERT_EQ(line.action, cli::LaunchAction::Run);
    EXPECT_DOUBLE_EQ(line.options.reportRateHz, 1000.0);
    EXPECT_DOUBLE_EQ(parse({"--simulate=usb", "--report-rate", "12.5"}).options.reportRateHz, 12.5);
}

TEST(CommandLine, BadReportRatesFail) {
    for (const char* rate : {"abc", "0", "-5", "inf", "nan", "1e9", ""}) {
        SCOPED_TRACE(rate);
        const cli::CommandLine line =
            parse({"--simulate", QStringLiteral("--report-rate=%1").arg(rate)});
        EXPECT_EQ(line.action, cli::LaunchAction::Fail);
        EXPECT_EQ(line.exitCode(), 2);
    }
    // Without a simulated adaptor there is nothing to set the rate of.
    EXPECT_EQ(parse({"--report-rate=100"}).action, cli::LaunchAction::Fail);
    EXPECT_EQ(parse({"--scale", "2.5"}).options.windowScale, 2.5);
}

TEST(CommandLine, ScreenshotTakesAFileName) {
    const cli::CommandLine line = parse({"--simulate", "--screenshot", "out.png"});
    ASSERT_EQ(line.action, cli::LaunchAction::Run);
    EXPECT_EQ(line.options.screenshotPath, QStringLiteral("out.png"));
    EXPECT_TRUE(line.options.simulated.has_value());
    EXPECT_EQ(parse({"--screenshot"}).action, cli::LaunchAction::Fail);
    EXPECT_EQ(parse({"--screenshot="}).action, cli::LaunchAction::Fail);
}

TEST(CommandLine, RecordingsAreReadAndRecordTargetsCheckedBeforeAnythingRuns) {
    const QString kept = QStringLiteral(SHIFTER_RECORDINGS_DIR "/mirad-window.rec");
    const cli::CommandLine simulated = parse({QStringLiteral("--simulate=%1").arg(kept)});
    ASSERT_EQ(simulated.action, cli::LaunchAction::Run) << simulated.text.toStdString();
    ASSERT_TRUE(simulated.options.recorded);
    EXPECT_EQ(simulated.options.simulated->productId, protocol::kMirad);

    const QString cut = QDir::temp().filePath(QStringLiteral("shifter-cut.rec"));
    QFile file(cut);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\":\"shifter-recording\",\"version\":1");
    file.close();
    struct Refusal {
        QStringList arguments;
        const char* error;
    };
    std::vector<Refusal> refused{
        {{QStringLiteral("--simulate=%1").arg(cut)}, "shifter-cut.rec: The recording is cut short"},
        {{QStringLiteral("--simulate=%1").arg(kept), "--lever=assistant"},
         "--lever does not apply to a recording"},
        {{"--record-anonymous"}, "--record-anonymous applies to --record only"},
        {{"--record", "/no-such-folder/session.rec"}, "--record cannot write into the folder"},
        {{"--read", "--record", QDir::tempPath()}, "--record needs a file name, and"},
        {{QStringLiteral("--simulate=%1").arg(kept), "--record", kept},
         "the recording being played"},
    };
    // What the writer would refuse at the end is refused before the session: a link, a
    // descriptor the program was not given (Windows has neither by these names).
    const QString link = QDir::temp().filePath(QStringLiteral("shifter-link.rec"));
#ifndef _WIN32
    QFile::remove(link);
    ASSERT_TRUE(QFile::link(cut, link));
    refused.push_back({{"--read", "--record", link}, "symbolic link"});
    refused.push_back({{"--read", "--record", "/dev/fd/9999"}, "not given that descriptor"});
#endif
    for (const auto& c : refused) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const cli::CommandLine line = parse(c.arguments);
        EXPECT_EQ(line.action, cli::LaunchAction::Fail);
        EXPECT_TRUE(line.text.contains(QLatin1String(c.error))) << line.text.toStdString();
    }
    QFile::remove(cut);
    QFile::remove(link);
}

TEST(CommandLine, HelpAndVersionAreAnsweredWithoutRunning) {
    const cli::CommandLine version = parse({"--version"});
    EXPECT_EQ(version.action, cli::LaunchAction::ShowVersion);
    EXPECT_EQ(
        version.text,
        QStringLiteral("shifter-calibration %1\n").arg(QLatin1String(resources::kDisplayVersion)));
    EXPECT_EQ(version.exitCode(), 0);

    const cli::CommandLine help = parse({"--simulate=wheel", "--help"});
    EXPECT_EQ(help.action, cli::LaunchAction::ShowHelp);
    EXPECT_EQ(help.exitCode(), 0);
    for (const char* option : {"--simulate[=", "--report-rate", "--screenshot", "--version"}) {
        EXPECT_TRUE(help.text.contains(QLatin1String(option))) << option;
    }
    EXPECT_TRUE(help.text.contains(QStringLiteral("Usage: shifter-calibration")));
}

TEST(CommandLine, UnknownOptionsAndStrayArgumentsFailWithAPointerToTheHelp) {
    EXPECT_EQ(parse({"--fullscreen"}).action, cli::LaunchAction::Fail);
    EXPECT_EQ(parse({"--fullscreen"}).exitCode(), 2);
    const cli::CommandLine stray = parse({"--simulate", "wheel"});
    EXPECT_EQ(stray.action, cli::LaunchAction::Fail);
    EXPECT_TRUE(stray.text.contains(QStringLiteral("wheel")));
    for (const QStringList& wrong :
         {QStringList{"--fullscreen"}, QStringList{"--simulate=wheel"},
          QStringList{"--report-rate=5"}, QStringList{"--simulate", "--report-rate=-1"},
          QStringList{"--scale=0.3"}, QStringList{"--scale=nan"}, QStringList{"--scale=9"},
          QStringList{"--read", "--scale=2"}}) {
        EXPECT_TRUE(parse(wrong).text.endsWith(QStringLiteral("\nTry --help.\n")))
            << parse(wrong).text.toStdString();
    }
    // The parser's refusals in the program's own (translated) words.
    const std::pair<QStringList, const char*> refusals[] = {
        {{"--fullscreen"}, "unknown option '--fullscreen'"},
        {{"-x"}, "unknown option '-x'"},
        {{"--screenshot"}, "--screenshot needs FILE"},
        {{"--report", "-", "--write"}, "--write needs ASSIGNMENTS"},
        {{"--keep-history=yes"}, "--keep-history takes no value"},
        {{"-h=1"}, "-h takes no value"},
    };
    for (const auto& [arguments, reason] : refusals) {
        EXPECT_EQ(parse(arguments).text,
                  QStringLiteral("shifter-calibration: %1\nTry --help.\n").arg(reason));
    }
}

TEST(CommandLine, AnOptionOfOursGivenTwiceIsRefused) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--write", "V1=1", "--write", "V2=2"}, "--write"},
        {{"--write-file=a.json", "--write-file", "b.json"}, "--write-file"},
        {{"--report", "-", "--report=x.txt"}, "--report"},
        {{"--simulate", "mirad", "--simulate", "--read"}, "--simulate"},
        {{"--read", "--json", "--json"}, "--json"},
    };
    for (const auto& [arguments, option] : cases) {
        EXPECT_EQ(parse(arguments).text,
                  QStringLiteral("shifter-calibration: %1 is given more than once\nTry --help.\n")
                      .arg(QLatin1String(option)));
    }
}

TEST(CommandLine, TheAdaptorMayFollowSimulateAfterASpace) {
    const cli::CommandLine spaced = parse({"--simulate", "mirad", "--report-rate", "50"});
    ASSERT_EQ(spaced.action, cli::LaunchAction::Run) << spaced.text.toStdString();
    ASSERT_TRUE(spaced.options.simulated);
    EXPECT_EQ(spaced.options.simulated->productId, sim::miradIdentity().productId);
    EXPECT_EQ(spaced.options.reportRateHz, 50);
}

TEST(CommandLine, QtsOwnOptionsAreLeftToQt) {
    const cli::CommandLine withQt =
        parse({"-style", "Windows", "-platform", "xcb", "--simulate", "-reverse",
               "-stylesheet=dark.qss", "--platformtheme", "gtk3"});
    EXPECT_EQ(withQt.action, cli::LaunchAction::Run) << withQt.text.toStdString();
    EXPECT_TRUE(withQt.options.simulated);
    // Only Qt's own names are passed over; a value-taking one needs its value.
    EXPECT_EQ(parse({"-platform=xcb"}).action, cli::LaunchAction::Fail);
    EXPECT_EQ(parse({"--", "-style", "Windows"}).action, cli::LaunchAction::Fail);
}

TEST(CommandLine, AScreenshotThatCannotBeWrittenIsRefusedAtOnce) {
    const cli::CommandLine missing =
        parse({"--screenshot", QDir::tempPath() + "/no-such-folder-here/shot.png"});
    EXPECT_EQ(missing.action, cli::LaunchAction::Fail);
    EXPECT_TRUE(missing.text.contains(QStringLiteral("no-such-folder-here")));
    EXPECT_EQ(parse({"--screenshot", QDir::tempPath()}).action, cli::LaunchAction::Fail);
    EXPECT_EQ(parse({"--screenshot", QDir::tempPath() + "/shot.png"}).action,
              cli::LaunchAction::Run);
}

TEST(CommandLine, CommandsTakeTheirValuesOneAtATime) {
    const std::tuple<QStringList, std::string, QString> commands[] = {
        {{"--list"}, "list", ""},
        {{"--read", "--json"}, "read", ""},
        {{"--write", "V1=80,SEQH2=75"}, "write", "V1=80,SEQH2=75"},
        {{"--write-file=values.json"}, "write-file", "values.json"},
        {{"--dump", "--simulate"}, "dump", ""},
        {{"--report", "-"}, "report", "-"},
    };
    for (const auto& [arguments, command, value] : commands) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const cli::CommandLine line = parse(arguments);
        ASSERT_EQ(line.action, cli::LaunchAction::Run);
        ASSERT_TRUE(line.options.command);
        EXPECT_EQ(line.options.command->name, command);
        EXPECT_EQ(line.options.commandValue, value);
    }
    EXPECT_EQ(parse({"--read", "--json"}).options.commandFlags, QStringList{"json"});
    EXPECT_EQ(parse({}).options.command, nullptr);

    for (const QStringList& wrong :
         {QStringList{"--list", "--dump"}, QStringList{"--list", "--json"}, QStringList{"--json"},
          QStringList{"--write"}, QStringList{"--report="}, QStringList{"--write-file="},
          QStringList{"--read", "--screenshot=x.png"}}) {
        SCOPED_TRACE(wrong.join(' ').toStdString());
        EXPECT_EQ(parse(wrong).action, cli::LaunchAction::Fail);
        EXPECT_EQ(parse(wrong).exitCode(), 2);
    }
    const QString help = parse({"--help"}).text;
    for (const char* documented : {"--write-file", "--report <FILE>", "Exit statuses:", "  4  ",
                                   "serialNumber", "thresholds {V1, V2, H1, H2, SeqH1, SeqH2}"}) {
        EXPECT_TRUE(help.contains(QLatin1String(documented))) << documented;
    }
}

// The page that describes the commands names, in the first column of its table, each
// registered command and each of their flags, and nothing else.
TEST(CommandLine, TheCommandsPageNamesEveryCommandAndFlagOfTheList) {
    QFile page(QStringLiteral(SHIFTER_SOURCE_DIR "/docs/COMMANDS.md"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly | QIODevice::Text));
    std::set<std::string> documented;
    const QRegularExpression option(QStringLiteral("--([a-z][a-z-]*)"));
    for (const QString& line : QString::fromUtf8(page.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("| `"))) {
            for (const auto& match : option.globalMatch(line.section(QLatin1Char('|'), 1, 1))) {
                documented.insert(match.captured(1).toStdString());
            }
        }
    }
    std::set<std::string> registered;
    for (const cli::Command* command : cli::commandList()) {
        registered.insert(command->name);
        for (const cli::CommandFlag& flag : command->flags) {
            registered.insert(flag.name);
        }
    }
    EXPECT_EQ(documented, registered);
}

}  // namespace

namespace {

TEST(CommandLine, LeverOptionsPlaceTheAssistantsGatesAndShake) {
    using Motion = sim::DemoLever::Motion;
    cli::CommandLine line = parse({"--simulate", "--lever=assistant"});
    ASSERT_EQ(line.action, cli::LaunchAction::Run);
    EXPECT_EQ(line.options.lever.motion, Motion::Assistant);
    EXPECT_EQ(line.options.lever.gates.middle, 165);  // misread by the factory V2
    EXPECT_EQ(line.options.lever.noise, cli::kAssistantLeverNoise);

    line = parse({"--simulate", "--lever=assistant", "--gates=30,128,220", "--noise=0"});
    EXPECT_EQ(line.options.lever.gates.left, 30);
    EXPECT_EQ(line.options.lever.gates.right, 220);
    EXPECT_EQ(line.options.lever.noise, 0);

    line = parse({"--simulate", "--lever=assistant-sequential"});
    EXPECT_EQ(line.options.lever.motion, Motion::AssistantSequential);
    line = parse({"--simulate", "--noise=5"});
    EXPECT_EQ(line.options.lever.motion, Motion::Tour);
    EXPECT_EQ(line.options.lever.noise, 5);
}

TEST(CommandLine, BadLeverOptionsFailWithTheReason) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--lever=assistant"}, "--lever applies to --simulate only"},
        {{"--simulate", "--lever=wobble"}, "unknown lever 'wobble'"},
        {{"--simulate", "--gates=40,165,215"}, "--gates applies to --lever=assistant only"},
        {{"--simulate", "--lever=assistant", "--gates=165,40,215"}, "from left to right"},
        {{"--simulate", "--lever=assistant", "--gates=40,165,256"}, "from left to right"},
        {{"--simulate", "--lever=assistant", "--gates=40,165"}, "from left to right"},
        {{"--simulate", "--noise=21"}, "--noise needs a whole number of units 0..20"},
        {{"--simulate", "--noise=-1"}, "--noise needs"},
    };
    for (const auto& [arguments, reason] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const cli::CommandLine line = parse(arguments);
        EXPECT_EQ(line.action, cli::LaunchAction::Fail);
        EXPECT_TRUE(line.text.contains(QLatin1String(reason))) << line.text.toStdString();
    }
}

}  // namespace
