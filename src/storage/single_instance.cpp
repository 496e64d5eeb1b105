#include "storage/single_instance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

#include "storage/atomic_file.h"
#include "storage/translate.h"

namespace storage {
namespace {

constexpr const char* kLockName = "/shifter-calibration.lock";

// What keeps `folder` from being the user's own private folder, or nothing. A folder
// others may write to, or a link to one, lets them plant or hold the lock.
std::optional<QString> notPrivate(const QString& folder) {
    struct stat info {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0) {
        return systemReason(errno);
    }
    if (S_ISLNK(info.st_mode)) {
        return translate("Storage", "it is a symbolic link");
    }
    if (!S_ISDIR(info.st_mode)) {
        return translate("Storage", "it is not a folder");
    }
    if (info.st_uid != ::geteuid()) {
        return translate("Storage", "it belongs to another user");
    }
    if ((info.st_mode & 077) != 0) {
        return translate("Storage", "others may use it (its mode is %1, not 700)")
            .arg(info.st_mode & 0777, 3, 8, QLatin1Char('0'));
    }
    return std::nullopt;
}

QString userFolder() {
    const QString user = QString::number(::geteuid());
    const QString runtime = QStringLiteral("/run/user/") + user;
    if (!notPrivate(runtime)) {
        return runtime;
    }
    const QString fallback = QStringLiteral("/tmp/shifter-calibration-") + user;
    (void)::mkdir(QFile::encodeName(fallback).constData(), 0700);  // checked on acquire
    return fallback;
}

}  // namespace

SingleInstance::SingleInstance() : SingleInstance(userFolder()) {}

SingleInstance::SingleInstance(const QString& folder) : folder_(folder) {}

bool SingleInstance::acquire() {
    if (lock_.held()) {
        return true;
    }
    heldByAnother_ = false;
    if (const auto why = notPrivate(folder_)) {
        problem_ = translate("Storage",
                             "Shifter calibration keeps its lock in %1, but that is not a "
                             "folder of your own that only you may use: %2. Remove it and "
                             "start again.")
                       .arg(folder_, *why);
        return false;
    }
    const QString path = folder_ + QLatin1String(kLockName);
    QString error;
    switch (lock_.take(path, 0, error)) {
        case FileLock::Outcome::Taken: {
            // Who holds it, for a person looking; the lock itself is the flock.
            const QByteArray pid = QByteArray::number(::getpid()) + '\n';
            (void)::ftruncate(lock_.descriptor(), 0);
            (void)::pwrite(lock_.descriptor(), pid.constData(), static_cast<size_t>(pid.size()), 0);
            return true;
        }
        case FileLock::Outcome::Held:
            heldByAnother_ = true;
            problem_ = translate(
                "Storage",
                "Shifter calibration is already running; close it before starting it again.");
            return false;
        case FileLock::Outcome::Failed:
            problem_ = translate("Storage",
                                 "Shifter calibration cannot take its lock %1. Remove it and "
                                 "start again.")
                           .arg(error);
            return false;
    }
    return false;
}

}  // namespace storage
