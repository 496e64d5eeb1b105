// POSIX: .cache/shifter-calibration/lock in the account's home; for an account without a
// home of its own, the runtime folder /run/user/UID where the system made one, else
// /tmp/shifter-calibration-UID. It must be a folder of the user's with mode 700.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

#include "lock/lock_folder.h"
#include "storage/account_home.h"
#include "storage/atomic_file.h"
#include "translation/translate.h"

namespace lock {

std::optional<QString> notPrivate(const QString& folder) {
    struct stat info {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0) {
        return storage::systemReason(errno);
    }
    if (S_ISLNK(info.st_mode)) {
        return translation::translate("Storage", "it is a symbolic link");
    }
    if (!S_ISDIR(info.st_mode)) {
        return translation::translate("Storage", "it is not a folder");
    }
    if (info.st_uid != ::geteuid()) {
        return translation::translate("Storage", "it belongs to another user");
    }
    if ((info.st_mode & 077) != 0) {
        return translation::translate("Storage", "others may use it (its mode is %1, not 700)")
            .arg(info.st_mode & 0777, 3, 8, QLatin1Char('0'));
    }
    return std::nullopt;
}

namespace {

// A folder of the user's other than the root folder, which is nobody's own.
bool isOwnHome(const QString& home) {
    struct stat info {};
    return !home.isEmpty() && QDir::cleanPath(home) != QLatin1String("/") &&
           ::stat(QFile::encodeName(home).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid();
}

}  // namespace

QString userLockFolder() {
    // In the account's own home, which no other user can write into: the place depends on
    // the account alone, not on HOME nor on whether the runtime folder exists yet.
    const QString home = storage::accountHome();
    if (isOwnHome(home)) {
        QString folder = home;
        for (const char* below : {"/.cache", "/shifter-calibration", "/lock"}) {
            folder += QLatin1String(below);
            (void)::mkdir(QFile::encodeName(folder).constData(), 0700);  // checked on acquire
        }
        return folder;
    }
    // An account without a home of its own (a system account): the runtime folder, else
    // one in /tmp.
    const QString user = QString::number(::geteuid());
    const QString runtime = QStringLiteral("/run/user/") + user;
    if (!notPrivate(runtime)) {
        return runtime;
    }
    const QString fallback = QStringLiteral("/tmp/shifter-calibration-") + user;
    (void)::mkdir(QFile::encodeName(fallback).constData(), 0700);  // checked on acquire
    return fallback;
}

}  // namespace lock
