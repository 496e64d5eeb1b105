// The program run as a user runs it: exit codes, printed answers, and the screenshot of
// the simulated window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>
#include <vector>

#include "lock/lock_folder.h"
#include "resources/program_version.h"
#include "storage/data_folder.h"
#include "support/test_fonts.h"

namespace {

// What the program prints ends its lines as the system's console expects.
QString printed(const char* text) {
#ifdef Q_OS_WIN
    return QString::fromUtf8(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
#else
    return QString::fromUtf8(text);
#endif
}

// The folder the program keeps its history in, with `environment` given to it: on the
// systems of the XDG rules a folder of the test's own that XDG_DATA_HOME names; on
// Windows the profile's, which no environment moves (the tests run in a Wine prefix of
// their own), found by the program's own rule and emptied first.
QString programDataFolder(QProcessEnvironment& environment, const QTemporaryDir& data) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    return data.filePath(QStringLiteral("shifter-calibration"));
#else
    (void)environment;
    (void)data;
    const QString testName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("shifter-calibration"));
    const QString folder = storage::dataFolder();
    QCoreApplication::setApplicationName(testName);
    QDir(folder).removeRecursively();
    return folder;
#endif
}

struct ProgramRun {
    int exitCode = -1;
    bool finished = false;
    QString out;
    QString err;
};

QProcessEnvironment offscreenEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

ProgramRun runProgram(
    const QStringList& arguments, const QProcessEnvironment& environment = offscreenEnvironment(),
    const std::function<void(QProcess&)>& prepare = [](QProcess&) {}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    prepare(process);
    process.start(QStringLiteral(SHIFTER_PROGRAM), arguments);
    ProgramRun run;
    run.finished = process.waitForStarted(10000) && process.waitForFinished(60000);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString outputPath(const char* name) {
    return QStringLiteral(SHIFTER_TEST_OUTPUT_DIR "/") + QLatin1String(name);
}

int countPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += (image.pixel(x, y) & 0xFFFFFFU) == (colour & 0xFFFFFFU) ? 1 : 0;
        }
    }
    return count;
}

TEST(Program, ScreenshotOfTheSimulatedWindowIsAPngOfTheWholeWindow) {
    const QString path = outputPath("shifter-calibration-screenshot.png");
    QFile::remove(path);
    const ProgramRun run = runProgram({QStringLiteral("--simulate"), QStringLiteral("--screenshot"),
                                       path, QStringLiteral("--scale"), QStringLiteral("1")});
    ASSERT_TRUE(run.finished) << run.err.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();

    QImage image;
    ASSERT_TRUE(image.load(path, "PNG")) << path.toStdString();
    // At the design's size (the offscreen screen's 800 x 600 would make it smaller): the
    // client area is 7130 x 8020 twips, about 475 x 535 pixels at 96 dpi, with the
    // menu bar above it and the status line saying the adaptor is simulated (44) below.
    EXPECT_NEAR(image.width() / image.devicePixelRatio(), 475, 3);
    EXPECT_GT(image.height() / image.devicePixelRatio(), 579 + 10);
    EXPECT_LT(image.height() / image.devicePixelRatio(), 579 + 40);
    // Connected to the simulated adaptor: the red marks beside the plot and the blue
    // threshold lines show.
    EXPECT_GT(countPixels(image, qRgb(255, 0, 0)), 20);
    EXPECT_GT(countPixels(image, qRgb(0, 0, 255)), 200);
}

TEST(Program, ScreenshotThatCannotBeWrittenFailsAtOnce) {
    QElapsedTimer clock;
    clock.start();
    const ProgramRun run = runProgram({QStringLiteral("--simulate"), QStringLiteral("--screenshot"),
                                       outputPath("no-such-folder/shot.png")});
    ASSERT_TRUE(run.finished);
    EXPECT_LT(clock.elapsed(), 1500);  // the window would have run for two seconds
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("no-such-folder"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(printed("Try --help.\n")));
}

TEST(Program, QtsOwnOptionsReachQt) {
    const QString sheet = outputPath("cyan-status.qss");
    QFile file(sheet);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("QLabel#lblStatus { background-color: rgb(0, 255, 255); }");
    file.close();
    const QString path = outputPath("shifter-calibration-stylesheet.png");
    QFile::remove(path);
    const ProgramRun run =
        runProgram({QStringLiteral("-style"), QStringLiteral("Windows"),
                    QStringLiteral("-stylesheet"), sheet, QStringLiteral("--simulate"),
                    QStringLiteral("mirad"), QStringLiteral("--screenshot"), path});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QImage image;
    ASSERT_TRUE(image.load(path, "PNG"));
    EXPECT_GT(countPixels(image, qRgb(0, 255, 255)), 1000);  // the style sheet applied
}

TEST(Program, VersionIsPrinted) {
    const ProgramRun run = runProgram({QStringLiteral("--version")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              printed("shifter-calibration %1\n").arg(QLatin1String(resources::kDisplayVersion)));
}

TEST(Program, HelpListsTheOptions) {
    const ProgramRun run = runProgram({QStringLiteral("--help")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option :
         {"--simulate", "--report-rate", "--screenshot", "--keep-history", "--version"}) {
        EXPECT_TRUE(run.out.contains(QLatin1String(option))) << option;
    }
}

// A device that is always full. Windows has none; under Wine the Windows program reaches
// Linux's own through drive Z:, and meets a full disk in its writes.
TEST(Program, OutputThatCannotBeWrittenEndsWithStatusOne) {
    for (const char* command :
         {"--simulate --read", "--simulate --read --json", "--help", "--simulate --report -",
          "--simulate --dump", "--simulate --list", "--version"}) {
        const ProgramRun run =
            runProgram(QString::fromLatin1(command).split(QLatin1Char(' ')), offscreenEnvironment(),
                       [](QProcess& process) { process.setStandardOutputFile("/dev/full"); });
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_TRUE(run.err.startsWith("shifter-calibration: the output could not")) << command;
    }
}

TEST(Program, BadArgumentsExitWithCodeTwoAndSayWhy) {
    const ProgramRun unknown = runProgram({QStringLiteral("--simulate=wheel")});
    ASSERT_TRUE(unknown.finished);
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("wheel"))) << unknown.err.toStdString();

    const ProgramRun rate =
        runProgram({QStringLiteral("--simulate"), QStringLiteral("--report-rate=0")});
    ASSERT_TRUE(rate.finished);
    EXPECT_EQ(rate.exitCode, 2);
    EXPECT_FALSE(rate.err.isEmpty());
}

TEST(Program, ASimulatedAdaptorsHistoryIsKeptOnlyWhenAskedFor) {
    QTemporaryDir data;
    QProcessEnvironment environment = offscreenEnvironment();
    const QString shot = outputPath("keep-history.png");
    const QString history =
        programDataFolder(environment, data) + QStringLiteral("/history-10A0-KV-0001234.json");

    runProgram({QStringLiteral("--simulate"), QStringLiteral("--screenshot"), shot}, environment);
    EXPECT_FALSE(QFile::exists(history));

    const ProgramRun kept =
        runProgram({QStringLiteral("--simulate"), QStringLiteral("--keep-history"),
                    QStringLiteral("--screenshot"), shot},
                   environment);
    ASSERT_TRUE(kept.finished);
    EXPECT_EQ(kept.exitCode, 0);
    QFile file(history);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray json = file.readAll();
    EXPECT_TRUE(json.contains("\"event\": \"read\""));
    EXPECT_TRUE(json.contains("\"event\": \"stored at close\""));

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A relative XDG_DATA_HOME is ignored: the history goes to HOME's .local/share.
    environment.insert(QStringLiteral("HOME"), data.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("relative-data"));
    runProgram({QStringLiteral("--simulate"), QStringLiteral("--keep-history"),
                QStringLiteral("--write"), QStringLiteral("V1=80")},
               environment);
    EXPECT_TRUE(QFile::exists(
        data.filePath(QStringLiteral(".local/share/") + history.section(QLatin1Char('/'), -2))));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("relative-data")));
#endif
}

TEST(Program, ARecordedWritePlaysBackWithWhatItStored) {
    const QString path = outputPath("write.rec");
    QFile::remove(path);
    const ProgramRun write =
        runProgram({QStringLiteral("--simulate=usb"), QStringLiteral("--write"),
                    QStringLiteral("H2=66"), QStringLiteral("--record"), path});
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_TRUE(write.err.contains(QStringLiteral("Recorded the session to")));
    const ProgramRun read = runProgram({QStringLiteral("--simulate=%1").arg(path),
                                        QStringLiteral("--read"), QStringLiteral("--json")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(read.out.toUtf8()).object();
    EXPECT_EQ(object.value(QStringLiteral("product")).toString(), QStringLiteral("USB shifter"));
    EXPECT_EQ(object.value(QStringLiteral("thresholds")).toObject().value(QStringLiteral("H2")),
              66);
}

TEST(Program, CommandsRunOnTheSimulatedAdaptorWithoutAWindow) {
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        noDisplay.remove(QLatin1String(name));
    }
    const ProgramRun read = runProgram(
        {QStringLiteral("--simulate=mirad"), QStringLiteral("--read"), QStringLiteral("--json")},
        noDisplay);
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(read.out.toUtf8()).object();
    EXPECT_EQ(object.value(QStringLiteral("product")).toString(), QStringLiteral("Mirad"));
    EXPECT_EQ(object.value(QStringLiteral("thresholds")).toObject().value(QStringLiteral("SeqH1")),
              180);

    const ProgramRun bad = runProgram(
        {QStringLiteral("--simulate"), QStringLiteral("--write"), QStringLiteral("V1=80,V2=300")},
        noDisplay);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(bad.err, printed("Nothing was sent: threshold V2 needs a whole number from 0 to 254, "
                               "not '300'.\n"));

    const QString reportPath = outputPath("support-report.txt");
    QFile::remove(reportPath);
    const ProgramRun report = runProgram(
        {QStringLiteral("--simulate"), QStringLiteral("--report"), reportPath}, noDisplay);
    EXPECT_EQ(report.exitCode, 0) << report.err.toStdString();
    QFile written(reportPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readLine().startsWith("Shifter calibration support report"));

    const ProgramRun unwritable =
        runProgram({QStringLiteral("--simulate"), QStringLiteral("--report"),
                    outputPath("no-such-folder/report.txt")},
                   noDisplay);
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.startsWith(QStringLiteral("Could not write")));

    // The window has none to go to: a sentence, not Qt's abort. (A Windows session always
    // has its desktop.)
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const ProgramRun window = runProgram({QStringLiteral("--simulate")}, noDisplay);
    EXPECT_EQ(window.exitCode, 1);
    EXPECT_TRUE(window.err.contains(QStringLiteral("no display to show the window on")));
    EXPECT_TRUE(window.err.endsWith(QStringLiteral("work without one.\nTry --help.\n")));
#endif
}

// Whether the user's lock names this process as its holder.
bool holdsTheUserLock(qint64 pid) {
    QFile lock(lock::userLockFolder() + QStringLiteral("/shifter-calibration.lock"));
    return lock.open(QIODevice::ReadOnly) &&
           lock.readAll().startsWith(QByteArray::number(pid) + '\n');
}

TEST(Program, ASecondInstanceForRealAdaptorsIsRefusedWhileTheFirstRuns) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    // The first window runs until the test ends it, however slowly the others start;
    // its settings go to the test's folder.
    QProcess first;
    QProcessEnvironment firstEnvironment = offscreenEnvironment();
    firstEnvironment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.path());
    firstEnvironment.insert(QStringLiteral("XDG_DATA_HOME"), runtime.path());
    first.setProcessEnvironment(firstEnvironment);
    first.start(QStringLiteral(SHIFTER_PROGRAM), QStringList());
    ASSERT_TRUE(first.waitForStarted(10000));
    // A command started before the window holds the lock would take it itself and turn
    // the window away.
    for (int wait = 0; wait < 3000 && !holdsTheUserLock(first.processId()); ++wait) {
        ASSERT_FALSE(first.waitForFinished(10)) << first.readAllStandardError().toStdString();
    }
    ASSERT_TRUE(holdsTheUserLock(first.processId()));

    // Nor does a command talk to the adaptor the window holds, whatever its environment
    // says.
    QProcessEnvironment elsewhere = offscreenEnvironment();
    elsewhere.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    elsewhere.insert(QStringLiteral("TMPDIR"), runtime.path());
    const ProgramRun command = runProgram({QStringLiteral("--list")}, elsewhere);
    EXPECT_EQ(command.exitCode, 3);
    EXPECT_TRUE(command.err.contains(QStringLiteral("window is using the adaptors")));
    EXPECT_TRUE(command.out.isEmpty());

    elsewhere.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    const ProgramRun second = runProgram({}, elsewhere);
    EXPECT_EQ(second.exitCode, 3);
    EXPECT_TRUE(second.err.contains(QStringLiteral("already running"))) << second.err.toStdString();

    // The simulated adaptor needs no lock.
    EXPECT_EQ(
        runProgram({QStringLiteral("--simulate"), QStringLiteral("--read")}, elsewhere).exitCode,
        0);
    const ProgramRun simulated =
        runProgram({QStringLiteral("--simulate"), QStringLiteral("--screenshot"),
                    runtime.filePath(QStringLiteral("simulated.png"))},
                   elsewhere);
    EXPECT_EQ(simulated.exitCode, 0) << simulated.err.toStdString();

    EXPECT_EQ(first.state(), QProcess::Running) << first.readAllStandardError().toStdString();
    first.kill();
    first.waitForFinished();
}

// A lock file planted in a shared folder that the environment names as the runtime
// folder changes nothing: the lock's place depends on the user alone.
TEST(Program, ALockPlantedWhereTheEnvironmentPointsDoesNotStopTheProgram) {
    QTemporaryDir shared;
    ASSERT_TRUE(shared.isValid());
    QLockFile foreign(shared.filePath(QStringLiteral("shifter-calibration.lock")));
    ASSERT_TRUE(foreign.tryLock(0));  // held by a live process for as long as the test runs

    QProcessEnvironment environment = offscreenEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), shared.path());
    environment.insert(QStringLiteral("TMPDIR"), shared.path());
    const ProgramRun run = runProgram(
        {QStringLiteral("--screenshot"), shared.filePath(QStringLiteral("shot.png"))}, environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(shared.filePath(QStringLiteral("shot.png"))));
}

// Twenty scripts storing at once keep all twenty stores in the history, and a report
// over a damaged history names it and moves nothing.
TEST(Program, ParallelStoresAreAllKeptAndAReportLeavesADamagedHistoryWhereItIs) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    QProcessEnvironment environment = offscreenEnvironment();
    const QString folder = programDataFolder(environment, data);
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int value = 1; value <= 20; ++value) {
        auto& writer = writers.emplace_back(std::make_unique<QProcess>());
        writer->setProcessEnvironment(environment);
        writer->start(QStringLiteral(SHIFTER_PROGRAM),
                      {QStringLiteral("--simulate"), QStringLiteral("--keep-history"),
                       QStringLiteral("--write"), QStringLiteral("V1=%1").arg(value)});
    }
    for (auto& writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(60000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().toStdString();
    }
    QDirIterator files(folder, {QStringLiteral("history-*.json")}, QDir::Files);
    ASSERT_TRUE(files.hasNext());
    const QString history = files.next();
    QFile file(history);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray kept = file.readAll();
    file.close();
    EXPECT_EQ(kept.count("\"stored by command\""), 20);

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{ damaged");
    file.close();
    const QStringList before = QDir(QFileInfo(history).path()).entryList(QDir::Files);
    const ProgramRun report =
        runProgram({QStringLiteral("--simulate"), QStringLiteral("--keep-history"),
                    QStringLiteral("--report"), QStringLiteral("-")},
                   environment);
    EXPECT_EQ(report.exitCode, 0);
    EXPECT_TRUE(
        report.out.contains(QStringLiteral("history ") + history + QStringLiteral(" is damaged")))
        << report.out.toStdString();
    EXPECT_EQ(QDir(QFileInfo(history).path()).entryList(QDir::Files), before);
}

}  // namespace

int main(int argc, char** argv) {
    useTheTestFonts();  // for the programs it starts
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
