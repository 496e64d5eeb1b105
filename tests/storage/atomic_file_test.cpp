// The one writer: whatever step fails, the old file stays byte for byte and the message
// names the file and the system's reason; links are refused, devices and FIFOs written
// into, never replaced.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <thread>

#include "storage/atomic_file.h"

namespace {

int writesLeft = 0;  // the failing write lets this many calls through, half each

int openFails(const char*, int, mode_t) {
    errno = ENOSPC;
    return -1;
}
ssize_t writeRunsOutOfSpace(int descriptor, const void* data, size_t size) {
    if (writesLeft-- > 0) {
        return ::write(descriptor, data, (size + 1) / 2);
    }
    errno = ENOSPC;
    return -1;
}
int syncFails(int) {
    errno = ENOSPC;
    return -1;
}
int renameFails(const char*, const char*) {
    errno = EACCES;
    return -1;
}

class AtomicFile : public ::testing::Test {
  protected:
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    static QByteArray bytes(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
    }
    static mode_t type(const QString& file) {
        struct stat info {};
        return ::lstat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
    }
    QStringList everything() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
    const QByteArray data = QByteArray(10'000, 'n');
};

TEST_F(AtomicFile, AFailureAtAnyStepLeavesTheOldFileWholeAndSaysWhereAndWhy) {
    const storage::FileCalls& system = storage::systemFileCalls();
    const struct {
        const char* step;
        storage::FileCalls calls;
        const char* reason;
    } cases[] = {
        {"create", {openFails, system.write, system.fsync, system.rename}, "No space left"},
        {"write", {system.open, writeRunsOutOfSpace, system.fsync, system.rename}, "No space left"},
        {"sync", {system.open, system.write, syncFails, system.rename}, "No space left"},
        {"rename", {system.open, system.write, system.fsync, renameFails}, "Permission denied"},
    };
    const QString target = path("history.json");
    QString error;
    ASSERT_TRUE(storage::writeFileAtomically(target, "old bytes", error));
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0600), 0);
    for (const auto& failing : cases) {
        writesLeft = 2;
        error.clear();
        EXPECT_FALSE(storage::writeFileAtomically(target, data, error, failing.calls))
            << failing.step;
        EXPECT_EQ(bytes(target), "old bytes") << failing.step;
        EXPECT_TRUE(error.startsWith(target + QLatin1String(": ")) &&
                    error.contains(QLatin1String(failing.reason)))
            << failing.step << ": " << error.toStdString();
        EXPECT_EQ(everything(), QStringList{QStringLiteral("history.json")}) << failing.step;
    }
    ASSERT_TRUE(storage::writeFileAtomically(target, data, error));
    EXPECT_EQ(bytes(target), data);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);  // the replaced file's permissions stay
}

TEST_F(AtomicFile, LinksAreRefusedAndWhatIsNoRegularFileIsWrittenIntoNeverReplaced) {
    QString error;
    const QString victim = path("victim");
    ASSERT_TRUE(storage::writeFileAtomically(victim, "victim's", error));
    const QString link = path("report.txt");
    const QString dangling = path("dangling.txt");
    const QString fifo = path("fifo");
    ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), QFile::encodeName(link).constData()),
              0);
    ASSERT_EQ(::symlink(QFile::encodeName(path("elsewhere")).constData(),
                        QFile::encodeName(dangling).constData()),
              0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const struct {
        QString target;
        const char* refusal;
        mode_t typeAfter;
    } refused[] = {
        {link, "symbolic link", S_IFLNK},
        {dangling, "symbolic link", S_IFLNK},
        {folder.path(), "folder", S_IFDIR},
        {fifo, "nothing reads from it", S_IFIFO},  // at once, not waiting for a reader
    };
    for (const auto& target : refused) {
        error.clear();
        EXPECT_FALSE(storage::writeFileAtomically(target.target, data, error));
        EXPECT_TRUE(error.contains(QLatin1String(target.refusal))) << error.toStdString();
        EXPECT_EQ(type(target.target), target.typeAfter) << error.toStdString();
    }
    EXPECT_EQ(bytes(victim), "victim's");
    EXPECT_FALSE(QFile::exists(path("elsewhere")));

    // A FIFO somebody reads, and a descriptor the caller gave as /dev/fd/N, get the bytes.
    QByteArray fromFifo;
    std::thread reader([&] { fromFifo = bytes(fifo); });
    while (!storage::writeFileAtomically(fifo, data, error)) {
        std::this_thread::yield();  // until the reader has opened its end
    }
    reader.join();
    EXPECT_EQ(fromFifo, data);
    EXPECT_EQ(type(fifo), static_cast<mode_t>(S_IFIFO));

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    EXPECT_TRUE(storage::writeFileAtomically(QStringLiteral("/dev/fd/%1").arg(pipeEnds[1]),
                                             "through the pipe", error))
        << error.toStdString();
    ::close(pipeEnds[1]);
    char got[32] = {};
    EXPECT_EQ(::read(pipeEnds[0], got, sizeof got), 16);
    EXPECT_STREQ(got, "through the pipe");
    ::close(pipeEnds[0]);
}

TEST_F(AtomicFile, ADeviceIsWrittenIntoAndItsFailureTold) {
    const QString full = path("full");
    if (::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "making a device node needs root";
    }
    QString error;
    EXPECT_FALSE(storage::writeFileAtomically(full, data, error));
    EXPECT_TRUE(error.contains(QLatin1String("No space left"))) << error.toStdString();
    EXPECT_EQ(type(full), static_cast<mode_t>(S_IFCHR));
}

TEST_F(AtomicFile, ReadingTakesOnlyWholeSmallRegularFilesAndNeverWaits) {
    QString error;
    ASSERT_TRUE(storage::writeFileAtomically(path("small"), "12345", error));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    EXPECT_EQ(storage::readSmallFile(path("small"), 5).bytes, QByteArray("12345"));
    EXPECT_TRUE(storage::readSmallFile(path("small"), 4).tooLarge);
    EXPECT_TRUE(storage::readSmallFile(path("fifo"), 5)
                    .reason.endsWith(QLatin1String("not a regular file")));
    EXPECT_TRUE(storage::readSmallFile(folder.path(), 5).reason.endsWith(QLatin1String("folder")));
    EXPECT_TRUE(storage::readSmallFile(path("none"), 5).reason.contains(QLatin1String("No such")));
}

}  // namespace
