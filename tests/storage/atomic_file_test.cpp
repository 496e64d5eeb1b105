// The one writer: whatever step fails, the old file stays byte for byte and the message
// names the file and the system's reason; links are refused, devices, FIFOs and pipes
// written into, never replaced. The system's own cases are POSIX's or Windows'.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <thread>
#include <utility>

#include "storage/atomic_file.h"
#include "storage/latest_file_writer.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QByteArray bytes(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
}

class AtomicFile : public ::testing::Test {
  protected:
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir folder;
    const QByteArray data = QByteArray(10'000, 'n');
    QString error;
};

#ifndef _WIN32

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

mode_t type(const QString& file) {
    struct stat info {};
    return ::lstat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}
bool succeeded(int result) {
    return result == 0;
}

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
        EXPECT_EQ(files(), QStringList{QStringLiteral("history.json")}) << failing.step;
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

#else

std::wstring native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// On Windows the move over the target is the step that fails but for a full disk: here
// another program reads the file without letting it be replaced.
TEST_F(AtomicFile, AFailureAtAnyStepLeavesTheOldFileWholeAndSaysWhereAndWhy) {
    const QString target = path("history.json");
    ASSERT_TRUE(storage::writeFileAtomically(target, "old bytes", error));
    const HANDLE reader =
        CreateFileW(native(target).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(storage::writeFileAtomically(target, data, error));
    CloseHandle(reader);
    EXPECT_EQ(bytes(target), "old bytes");
    EXPECT_TRUE(error.startsWith(target + QLatin1String(": ")) && error.size() > target.size() + 2)
        << error.toStdString();
    EXPECT_EQ(files(), QStringList{QStringLiteral("history.json")});
    ASSERT_TRUE(storage::writeFileAtomically(target, data, error));
    EXPECT_EQ(bytes(target), data);
}

// Windows makes symbolic links for some users only, and Wine says it made one and makes
// none: where there is no link the test is skipped.
TEST_F(AtomicFile, LinksAreRefused) {
    const QString victim = path("victim");
    ASSERT_TRUE(storage::writeFileAtomically(victim, "victim's", error));
    CreateSymbolicLinkW(native(path("link")).c_str(), native(victim).c_str(), 0);
    if (!QFileInfo(path("link")).isSymLink()) {
        GTEST_SKIP() << "this system makes no symbolic links";
    }
    EXPECT_FALSE(storage::writeFileAtomically(path("link"), data, error));
    EXPECT_TRUE(error.contains(QLatin1String("symbolic link"))) << error.toStdString();
    EXPECT_EQ(bytes(victim), "victim's");
    EXPECT_TRUE(QFileInfo(path("link")).isSymLink());
}

TEST_F(AtomicFile, WhatIsNoRegularFileIsWrittenIntoNeverReplaced) {
    EXPECT_FALSE(storage::writeFileAtomically(folder.path(), data, error));
    EXPECT_TRUE(error.contains(QLatin1String("folder"))) << error.toStdString();

    // A device and a pipe somebody reads get the bytes.
    EXPECT_TRUE(storage::writeFileAtomically(QStringLiteral("NUL"), data, error))
        << error.toStdString();
    const QString pipeName =
        QStringLiteral("//./pipe/shifter-calibration-test-%1").arg(GetCurrentProcessId());
    const HANDLE pipe = CreateNamedPipeW(native(pipeName).c_str(), PIPE_ACCESS_INBOUND,
                                         PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 1 << 16, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    QByteArray fromPipe;
    std::thread reader([&] {
        ConnectNamedPipe(pipe, nullptr);
        char chunk[256];
        DWORD got = 0;
        while (ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) && got > 0) {
            fromPipe.append(chunk, static_cast<qsizetype>(got));
        }
    });
    EXPECT_TRUE(storage::writeFileAtomically(pipeName, "through the pipe", error))
        << error.toStdString();
    reader.join();
    CloseHandle(pipe);
    EXPECT_EQ(fromPipe, "through the pipe");

    // Reading takes whole small regular files only.
    const QString small = path("small");
    ASSERT_TRUE(storage::writeFileAtomically(small, "8 bytes.", error));
    EXPECT_EQ(storage::readSmallFile(small, 8).bytes, QByteArray("8 bytes."));
    EXPECT_TRUE(storage::readSmallFile(small, 7).tooLarge);
    EXPECT_EQ(storage::readSmallFile(QStringLiteral("NUL"), 8).reason, "it is not a regular file");
    EXPECT_EQ(storage::readSmallFile(folder.path(), 8).reason, "it is a folder");
}

#endif

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
