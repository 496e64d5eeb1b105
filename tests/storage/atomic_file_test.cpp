// The one writer: whatever step fails, the old file stays byte for byte and the message
// names the file and the system's reason; links are refused, devices and FIFOs written
// into, never replaced.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <thread>

#include "storage/atomic_file.h"
#include "storage/latest_file_writer.h"

namespace {

int writesLeft = 0;  // the failing write lets this many calls through, half each

int openFails(const char*, int, mode_t) {
    return errno = ENOSPC, -1;
}
ssize_t writeRunsOutOfSpace(int descriptor, const void* data, size_t size) {
    return writesLeft-- > 0 ? ::write(descriptor, data, (size + 1) / 2) : (errno = ENOSPC, -1);
}
int syncFails(int) {
    return errno = ENOSPC, -1;
}
int renameFails(const char*, const char*) {
    return errno = EACCES, -1;
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
    static bool succeeded(int result) { return result == 0; }

    QTemporaryDir folder;
    const QByteArray data = QByteArray(10'000, 'n');
    QString error;
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
    ASSERT_TRUE(storage::writeFileAtomically(target, "old bytes", error));
    ASSERT_TRUE(succeeded(::chmod(QFile::encodeName(target).constData(), 0600)));
    for (const auto& failing : cases) {
        writesLeft = 2;
        EXPECT_FALSE(storage::writeFileAtomically(target, data, error, failing.calls));
        EXPECT_EQ(bytes(target), "old bytes") << failing.step;
        EXPECT_TRUE(error.startsWith(target + QLatin1String(": ")) &&
                    error.contains(QLatin1String(failing.reason)))
            << failing.step << ": " << error.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("history.json")})
            << failing.step;
    }
    // What a writer killed mid-save left beside the file goes with the next save; a
    // temporary of a writer that lives stays.
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const QString leftByTheDead = path(".history.json.%1-x1.tmp").arg(gone);
    const QString beingWritten = path(".history.json.%1-x2.tmp").arg(::getpid());
    for (const QString& temporary : {leftByTheDead, beingWritten}) {
        ASSERT_TRUE(storage::writeFileAtomically(temporary, "half", error));
    }
    ASSERT_TRUE(storage::writeFileAtomically(target, data, error));
    EXPECT_FALSE(QFile::exists(leftByTheDead));
    EXPECT_TRUE(QFile::exists(beingWritten));
    struct stat info {};
    ASSERT_TRUE(succeeded(::stat(QFile::encodeName(target).constData(), &info)));
    EXPECT_EQ(bytes(target), data);
    EXPECT_EQ(info.st_mode & 0777, 0600U);  // the replaced file's permissions stay
}

TEST_F(AtomicFile, LinksAreRefusedAndWhatIsNoRegularFileIsWrittenIntoNeverReplaced) {
    const QString victim = path("victim");
    ASSERT_TRUE(storage::writeFileAtomically(victim, "victim's", error));
    const auto encoded = [this](const char* name) { return QFile::encodeName(path(name)); };
    ASSERT_TRUE(succeeded(::symlink(encoded("victim").constData(), encoded("link").constData())));
    ASSERT_TRUE(succeeded(::symlink(encoded("gone").constData(), encoded("dangling").constData())));
    ASSERT_TRUE(succeeded(::mkfifo(encoded("fifo").constData(), 0600)));
    // A device that is always full, where the system lets us make one (as root).
    const bool device =
        succeeded(::mknod(encoded("full").constData(), S_IFCHR | 0600, makedev(1, 7)));

    const struct {
        QString target;
        const char* refusal;
        mode_t typeAfter;
    } refused[] = {
        {path("link"), "symbolic link", S_IFLNK},
        {path("dangling"), "symbolic link", S_IFLNK},
        {folder.path(), "folder", S_IFDIR},
        {path("fifo"), "nothing reads from it", S_IFIFO},  // at once, not waiting for a reader
        {device ? path("full") : path("fifo"), device ? "No space left" : "nothing reads",
         static_cast<mode_t>(device ? S_IFCHR : S_IFIFO)},
    };
    for (const auto& target : refused) {
        // Links and folders are refused before anything is written; streams are tried.
        EXPECT_EQ(storage::writeRefusal(target.target).isEmpty(),
                  target.typeAfter != S_IFLNK && target.typeAfter != S_IFDIR);
        EXPECT_FALSE(storage::writeFileAtomically(target.target, data, error));
        EXPECT_TRUE(error.contains(QLatin1String(target.refusal))) << error.toStdString();
        EXPECT_EQ(type(target.target), target.typeAfter) << error.toStdString();
    }
    EXPECT_EQ(bytes(victim), "victim's");
    EXPECT_FALSE(QFile::exists(path("gone")));

    // A FIFO somebody reads, and a descriptor the caller gave as /dev/fd/N, get the bytes.
    QByteArray fromFifo;
    std::thread reader([&] { fromFifo = bytes(path("fifo")); });
    while (!storage::writeFileAtomically(path("fifo"), data, error)) {
        std::this_thread::yield();  // until the reader has opened its end
    }
    reader.join();
    EXPECT_EQ(fromFifo, data);
    int pipeEnds[2];
    ASSERT_TRUE(succeeded(::pipe(pipeEnds)));
    const QString givenEnd = QStringLiteral("/dev/fd/%1").arg(pipeEnds[1]);
    // Only a descriptor the program was started with is the caller's: one it opened
    // itself (here the pipe, before the start is noted) is refused, whatever it is.
    EXPECT_FALSE(storage::writeFileAtomically(givenEnd, "not given", error));
    EXPECT_TRUE(error.contains(QLatin1String("not given that descriptor"))) << error.toStdString();
    EXPECT_FALSE(storage::writeRefusal(givenEnd).isEmpty());
    storage::noteInheritedDescriptors();
    EXPECT_TRUE(storage::writesInto(givenEnd));
    EXPECT_TRUE(storage::writeFileAtomically(givenEnd, "through the pipe", error));
    ::close(pipeEnds[1]);
    char got[32] = {};
    EXPECT_EQ(::read(pipeEnds[0], got, sizeof got), 16);
    EXPECT_STREQ(got, "through the pipe");
    ::close(pipeEnds[0]);

    // Reading takes whole small regular files only, and never waits for a FIFO.
    EXPECT_EQ(storage::readSmallFile(victim, 8).bytes, QByteArray("victim's"));
    EXPECT_TRUE(storage::readSmallFile(victim, 7).tooLarge);
    EXPECT_EQ(storage::readSmallFile(path("fifo"), 8).reason, "it is not a regular file");
}

// A recording's saves, written beside the session: the file ends with the newest text,
// what is pending when the writer ends is still written, and a failed write says why.
TEST_F(AtomicFile, TheLatestWriterEndsWithTheNewestText) {
    {
        storage::LatestFileWriter writer(path("session.rec"));
        for (int i = 0; i < 100; ++i) {
            writer.writeLater("text " + std::to_string(i));
        }
        EXPECT_EQ(writer.waitUntilWritten(), QString());
        EXPECT_EQ(bytes(path("session.rec")), "text 99");
        writer.writeLater("last");
    }
    EXPECT_EQ(bytes(path("session.rec")), "last");
    storage::LatestFileWriter nowhere(path("missing/session.rec"));
    nowhere.writeLater("lost");
    EXPECT_TRUE(nowhere.waitUntilWritten().contains(QLatin1String("missing")));
}

}  // namespace
