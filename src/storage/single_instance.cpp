#include "storage/single_instance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace storage {
namespace {

constexpr const char* kLockName = "/shifter-calibration.lock";

constexpr const char* kAlreadyRunning =
    "Shifter calibration is already running; close it before starting it again.";

// The user's own folder for the lock, or why there is none.
struct LockFolder {
    QString path;
    QString problem;
};

// A lock in a folder others may write to could be planted, or kept for ever, by them.
LockFolder privateLockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        return {runtime, {}};
    }
#ifdef Q_OS_UNIX
    const uid_t user = ::geteuid();
    const QString folder =
        QDir::tempPath() + QStringLiteral("/shifter-calibration-") + QString::number(user);
    const QByteArray path = QFile::encodeName(folder);
    (void)::mkdir(path.constData(), 0700);  // fails when it exists; checked below
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != user ||
        (info.st_mode & 077) != 0) {
        return {{},
                QStringLiteral("Shifter calibration keeps its lock in %1, but that is not a folder "
                               "of your own that only you may use. Remove it, or set "
                               "XDG_RUNTIME_DIR, and start again.")
                    .arg(folder)};
    }
    return {folder, {}};
#else
    // Elsewhere the local application data folder is the user's own.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return {folder, {}};
#endif
}

}  // namespace

SingleInstance::SingleInstance() {
    const LockFolder folder = privateLockFolder();
    if (folder.path.isEmpty()) {
        problem_ = folder.problem;
        return;
    }
    lock_.emplace(folder.path + QLatin1String(kLockName));
    // A lock is never stale while its holder lives; a dead holder's is taken over.
    lock_->setStaleLockTime(0);
}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(std::in_place, lockPath) {
    lock_->setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    if (!lock_) {
        return false;
    }
    if (!lock_->isLocked() && !lock_->tryLock(0)) {
        problem_ = QString::fromLatin1(kAlreadyRunning);
        return false;
    }
    return true;
}

}  // namespace storage
