#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include "lock/lock_folder.h"
#include "lock/single_instance.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>

#include "storage/account_home.h"
#endif

namespace {

using lock::LockHolder;

// A folder of one's own and a link to it, made as the system makes them.
bool makePrivateFolder(const QString& path) {
#ifdef _WIN32
    return QDir().mkdir(path);
#else
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0;
#endif
}
bool linkToFolder(const QString& folder, const QString& link) {
#ifdef _WIN32
    return CreateSymbolicLinkW(QDir::toNativeSeparators(link).toStdWString().c_str(),
                               QDir::toNativeSeparators(folder).toStdWString().c_str(),
                               SYMBOLIC_LINK_FLAG_DIRECTORY);
#else
    return ::symlink(QFile::encodeName(folder).constData(), QFile::encodeName(link).constData()) ==
           0;
#endif
}

TEST(SingleInstance, ASecondHolderIsRefusedUntilTheFirstEnds) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    {
        lock::SingleInstance first(folder.path());
        ASSERT_TRUE(first.acquire(LockHolder::Window));
        EXPECT_TRUE(first.acquire(LockHolder::Window));  // asking again keeps it
        lock::SingleInstance second(folder.path());
        EXPECT_FALSE(second.acquire(LockHolder::Command));
        EXPECT_TRUE(second.heldByAnother());
        EXPECT_FALSE(second.heldByCommand());
        EXPECT_TRUE(second.problem().contains(QLatin1String("already running")));
    }
    lock::SingleInstance later(folder.path());
    EXPECT_TRUE(later.acquire(LockHolder::Window));
}

// Commands end within moments: one started beside a command waits for it to end.
TEST(SingleInstance, ACommandsLockIsWaitedForAndRefusedWithItsOwnReason) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::optional<lock::SingleInstance> command(std::in_place, folder.path());
    ASSERT_TRUE(command->acquire(LockHolder::Command));
    lock::SingleInstance impatient(folder.path(), 0);
    EXPECT_FALSE(impatient.acquire(LockHolder::Window));
    EXPECT_TRUE(impatient.heldByCommand());
    EXPECT_TRUE(impatient.problem().contains(QLatin1String("command is using the adaptors")));

    std::thread ending([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        command.reset();
    });
    lock::SingleInstance window(folder.path());
    EXPECT_TRUE(window.acquire(LockHolder::Window));
    ending.join();
}

// Neither the environment nor the moment decides where the lock is: a window and a
// command of one account meet in its home, where no other user can plant the folder.
TEST(SingleInstance, TheLockIsInTheAccountsHomeWhateverTheEnvironmentSays) {
    const QString folder = lock::userLockFolder();
#ifndef _WIN32
    EXPECT_TRUE(folder.startsWith(storage::accountHome() + QLatin1Char('/')))
        << folder.toStdString();
#endif
    EXPECT_FALSE(lock::notPrivate(folder));
    QTemporaryDir elsewhere;
    for (const char* variable : {"HOME", "XDG_RUNTIME_DIR", "TMPDIR"}) {
        const QByteArray kept = qgetenv(variable);
        qputenv(variable, QFile::encodeName(elsewhere.path()));
        EXPECT_EQ(lock::userLockFolder(), folder) << variable;
        qputenv(variable, kept);
    }
}

TEST(SingleInstance, EachRefusalSaysItsTrueReasonAndADeadHoldersLockIsTakenOver) {
    QTemporaryDir top;
    ASSERT_TRUE(top.isValid());
    const QString privateFolder = top.filePath(QStringLiteral("own"));
    ASSERT_TRUE(makePrivateFolder(privateFolder));
    const QString lockPath = privateFolder + QStringLiteral("/shifter-calibration.lock");

    struct Case {
        QString folder;
        std::optional<QByteArray> lockFile;  // what a dead holder left, if anything
        bool lockIsFolder;
        const char* reason;  // empty: taken
    };
    std::vector<Case> cases = {
        {privateFolder, std::nullopt, true, "it is a folder"},
        {privateFolder, QByteArray(), false, ""},
        {privateFolder, QByteArray("garbage\n\x01"), false, ""},
        {privateFolder, QByteArray("999999999\nshifter-calibration\n"), false, ""},
    };
    const QString link = top.filePath(QStringLiteral("link"));
    const bool linked = linkToFolder(privateFolder, link) && QFileInfo(link).isSymLink();
    // Windows makes symbolic links for some users only; Wine says it made one and makes none.
#ifndef _WIN32
    ASSERT_TRUE(linked);
#endif
    if (linked) {
        cases.push_back({link, std::nullopt, false, "symbolic link"});
    }
#ifdef _WIN32
    // The profile's permissions keep the folder private; only what is there is asked.
    cases.push_back({top.filePath(QStringLiteral("missing")), std::nullopt, false, "not exist"});
#else
    const QString open = top.filePath(QStringLiteral("open"));
    ASSERT_EQ(::mkdir(QFile::encodeName(open).constData(), 0755), 0);
    ::chmod(QFile::encodeName(open).constData(), 0755);  // whatever the umask
    cases.push_back({open, std::nullopt, false, "mode is 755"});
    cases.push_back({top.filePath(QStringLiteral("missing")), std::nullopt, false, "No such file"});
#endif
    for (const auto& each : cases) {
        QFile::remove(lockPath);
        QDir(lockPath).removeRecursively();
        if (each.lockIsFolder) {
            ASSERT_TRUE(QDir().mkdir(lockPath));
        }
        if (each.lockFile) {
            QFile left(lockPath);
            ASSERT_TRUE(left.open(QIODevice::WriteOnly));
            left.write(*each.lockFile);
        }
        lock::SingleInstance instance(each.folder);
        const bool taken = instance.acquire(LockHolder::Window);
        EXPECT_EQ(taken, *each.reason == '\0') << each.reason << instance.problem().toStdString();
        EXPECT_FALSE(instance.heldByAnother());
        EXPECT_TRUE(instance.problem().contains(QLatin1String(each.reason)))
            << instance.problem().toStdString();
    }
}

}  // namespace
