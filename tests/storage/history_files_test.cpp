// The history files and exported calibrations: what is written reads back, what
// cannot be read is set aside or refused, and a write cut short loses nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include "storage/atomic_file.h"
#include "storage/calibration_file.h"
#include "storage/data_folder.h"
#include "storage/history_recorder.h"
#include "storage/history_store.h"

namespace {

using history::Entry;
using history::Event;

const history::Identity kKelvo{0x10A0, "Kelvo shifter adaptor", "KV-0001234", 0x0105};
constexpr history::Thresholds kValues{80, 175, 70, 185, 75, 180};

Entry entry(std::int64_t time, Event event, history::Thresholds values = kValues) {
    return Entry{time, kKelvo, event, values, true};
}

class HistoryFiles : public ::testing::Test {
  protected:
    QByteArray fileBytes(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeBytes(const QString& path, const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    std::vector<Entry> loadedEntries() const {
        const auto loaded = store.read(kKelvo);
        return loaded.history ? loaded.history->entries() : std::vector<Entry>{};
    }
    QStringList filesInFolder() const { return QDir(folder.path()).entryList(QDir::Files); }

    QTemporaryDir folder;
    storage::HistoryStore store{folder.path()};
    std::int64_t now = 1'764'770'520'000;  // 3 December 2025 14:02 UTC
    storage::HistoryRecorder recorder{store, [this] { return now; }};
};

TEST_F(HistoryFiles, EveryKindOfEntryReadsBackAsWritten) {
    Entry odd = entry(1, Event::StoredByUpdate, {0, 255, 1, 254, 128, 7});
    odd.accepted = false;
    odd.adaptor = {0xB016, "Ünïcode \"adaptor\"", "", 0xFFFF};
    const history::History kept(
        std::vector<Entry>{entry(2, Event::Read), odd, entry(3, Event::StoredAtClose),
                           entry(4, Event::StoredAllSix), entry(5, Event::Restored)});
    const auto back = storage::historyFromJson(storage::historyJson(kept));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->entries(), kept.entries());

    const storage::Calibration calibration{odd.adaptor, odd.values};
    const auto imported = storage::calibrationFromJson(storage::calibrationJson(calibration, 7));
    ASSERT_TRUE(imported.calibration) << imported.refusal.toStdString();
    EXPECT_EQ(imported.calibration->adaptor, calibration.adaptor);
    EXPECT_EQ(imported.calibration->values, calibration.values);
    // Names as scripts and the command line wrote them before one spelling was kept.
    const QByteArray spelled = storage::calibrationJson(calibration, 7)
                                   .replace("\"SeqH1\"", "\"SEQH1\"")
                                   .replace("\"SeqH2\"", "\"seq h2\"");
    EXPECT_EQ(storage::calibrationFromJson(spelled).calibration.value().values, calibration.values);
}

TEST_F(HistoryFiles, TheRecorderStampsMergesAndKeepsOneFilePerAdaptor) {
    EXPECT_EQ(recorder.record(entry(0, Event::Read)).notice, "");
    now += 60'000;
    recorder.record(entry(0, Event::Read));  // the same read again
    recorder.record(entry(0, Event::StoredAtClose));
    Entry other = entry(0, Event::Read);
    other.adaptor.serialNumber = "../../etc/x y";  // cannot leave the folder
    recorder.record(other);

    const std::vector<Entry> entries = loadedEntries();
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(entries[0].time, 1'764'770'520'000);
    EXPECT_EQ(entries[1].event, Event::StoredAtClose);
    EXPECT_EQ(filesInFolder(), (QStringList{QStringLiteral("history-10A0-.._.._etc_x_y.json"),
                                            QStringLiteral("history-10A0-KV-0001234.json")}));
    EXPECT_EQ(store.knownAdaptors(), (std::vector{other.adaptor, kKelvo}));
}

TEST_F(HistoryFiles, AnUnreadableHistoryIsSetAsideOnceAndANewOneStarted) {
    const QString path = store.pathFor(kKelvo);
    const std::vector<QByteArray> unreadable{
        "{ not json",
        storage::historyJson(history::History({entry(1, Event::Read)})).replace("185", "300"),
        storage::historyJson(history::History()).replace("history", "other"),
    };
    for (const QByteArray& damaged : unreadable) {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        storage::HistoryRecorder fresh(store, [] { return 5; });
        writeBytes(path, damaged);

        const history::Recorded recorded = fresh.record(entry(0, Event::Read));
        EXPECT_TRUE(recorded.saved);
        EXPECT_NE(recorded.notice.find("was damaged; it was kept as"), std::string::npos)
            << damaged.toStdString();
        EXPECT_EQ(loadedEntries().size(), 1U);
        // The old bytes are kept beside it, untouched.
        const QStringList files = filesInFolder();
        ASSERT_EQ(files.size(), 2);
        EXPECT_EQ(fileBytes(folder.filePath(files[1])), damaged);
        EXPECT_TRUE(
            files[1].startsWith(QStringLiteral("history-10A0-KV-0001234.json.unreadable-")));

        EXPECT_EQ(fresh.record(entry(0, Event::StoredAtClose)).notice, "");  // said once
        EXPECT_EQ(loadedEntries().size(), 2U);
        EXPECT_EQ(store.knownAdaptors(), std::vector{kKelvo});  // not the file set aside
    }
}

TEST_F(HistoryFiles, AWriteCutShortLeavesThePreviousFileWholeAndSaysWhere) {
    recorder.record(entry(0, Event::Read));
    const QString path = store.pathFor(kKelvo);
    const QByteArray before = fileBytes(path);

    // The system refuses the write: on POSIX no file may grow past 4 KiB, as on a nearly
    // full disk; on Windows another program reads the file without letting it be replaced.
#ifdef _WIN32
    const HANDLE reader = CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(),
                                      GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
#else
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
#endif
    const storage::HistoryStore::Updated updated = store.update(kKelvo, [](history::History& kept) {
        for (int i = 0; i < 400; ++i) {
            kept.add(entry(i, Event::StoredAllSix));
        }
        return true;
    });
#ifdef _WIN32
    CloseHandle(reader);
#else
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
#endif

    EXPECT_FALSE(updated.saved);
    EXPECT_TRUE(updated.notice.contains(path)) << updated.notice.toStdString();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(filesInFolder().size(), 1);  // no half-written file left behind
}

TEST_F(HistoryFiles, OnlyWhatDoesNotParseIsSetAsideAndReadingMovesNothing) {
    const QString path = store.pathFor(kKelvo);
    writeBytes(path, "{ damaged");
    const storage::HistoryStore::Loaded damaged = store.read(kKelvo);
    EXPECT_TRUE(damaged.damaged);
    EXPECT_TRUE(damaged.notice.contains(path));
    EXPECT_EQ(filesInFolder(), QStringList{QFileInfo(path).fileName()});

    // A FIFO (on Windows, which has none in folders, a folder): the system's trouble, never
    // the content's; nothing waits either.
    QFile::remove(path);
#ifdef _WIN32
    ASSERT_TRUE(QDir().mkdir(path));
    const char* const refusal = "it is a folder";
#else
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const char* const refusal = "not a regular file";
#endif
    const history::Recorded fifo = recorder.record(entry(0, Event::Read));
    EXPECT_FALSE(fifo.saved);
    EXPECT_NE(fifo.notice.find(refusal), std::string::npos) << fifo.notice;
    EXPECT_EQ(QDir(folder.path())
                  .entryList(QDir::System | QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QFileInfo(path).fileName()});
}

TEST_F(HistoryFiles, ImportRefusesWhatIsNotAWholeCalibrationInOneSentence) {
    const QByteArray good = storage::calibrationJson({kKelvo, kValues}, 0);
    const std::vector<std::pair<QByteArray, const char*>> cases{
        {" \n", "The file is empty."},
        {"{\"format\": ", "damaged or is not JSON"},
        {"[1, 2]", "not a calibration exported by this program"},
        {storage::historyJson(history::History()), "not a calibration exported by this program"},
        {QByteArray(good).replace("\"formatVersion\": 1", "\"formatVersion\": 2"),
         "format version 2"},
        {QByteArray(good).replace("\"productId\"", "\"productName\""), "adaptor it came from"},
        {QByteArray(good).replace("\"V1\": 80", "\"V1\": 256"), "V1 is 256"},
        {QByteArray(good).replace("\"V1\": 80", "\"V1\": -1"), "V1 is -1"},
        {QByteArray(good).replace("\"H2\": 70", "\"H2\": 70.5"), "H2 is 70.5"},
        {QByteArray(good).replace("\"SeqH2\": 75", "\"SeqH2\": \"75\""), "SeqH2 is missing"},
        {QByteArray(good).replace("\"SeqH1\": 180,", ""), "SeqH1 is missing"},
    };
    for (const auto& [json, reason] : cases) {
        const storage::ImportedCalibration imported = storage::calibrationFromJson(json);
        EXPECT_FALSE(imported.calibration) << reason;
        EXPECT_TRUE(imported.refusal.contains(QLatin1String(reason)))
            << imported.refusal.toStdString();
        EXPECT_TRUE(imported.refusal.endsWith(QLatin1Char('.')));
    }

    const QString big = folder.filePath(QStringLiteral("big.json"));
    writeBytes(big, QByteArray(100'000, ' ') + good);
    EXPECT_TRUE(storage::readCalibrationFile(big).refusal.contains(QLatin1String("larger than")));
    // Named as the system writes paths.
    const QString none = folder.filePath(QStringLiteral("none.json"));
    const QString shown = QDir::toNativeSeparators(none);
    EXPECT_TRUE(storage::readCalibrationFile(none).refusal.startsWith(
        QStringLiteral("The file %1 cannot be read: ").arg(shown)));
    writeBytes(none, "");
    EXPECT_EQ(storage::readCalibrationFile(none).refusal,
              QStringLiteral("The file %1 is empty.").arg(shown));
}

// XDG_DATA_HOME or XDG_CONFIG_HOME when absolute, else HOME when usable, else the
// account's home. The XDG rule is the Unix systems' (but macOS); Windows keeps data
// where its profile says.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
TEST(DataFolder, AnAbsoluteDataHomeElseAUsableHome) {
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"/data", "", "", ".local/share", "/data/app"},
        {"data", "/home/kim", "/root", ".local/share", "/home/kim/.local/share/app"},
        {"", "home/kim", "/root", ".local/share", "/root/.local/share/app"},
        {"./data", "/", "/", ".local/share", ""},
        {"config", "", "/root", ".config", "/root/.config/app"},
    };
    for (const auto& [baseHome, home, account, within, folder] : cases) {
        EXPECT_EQ(storage::xdgFolder(baseHome, home, account, within, QStringLiteral("app")),
                  folder)
            << baseHome << " | " << home << " | " << account;
    }
}
#endif

}  // namespace
