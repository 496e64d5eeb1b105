// POSIX: the user's runtime folder /run/user/UID where the system made one, otherwise
// /tmp/shifter-calibration-UID; either must be a folder of the user's with mode 700.
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "storage/atomic_file.h"
#include "storage/lock_folder.h"
#include "storage/translate.h"

namespace storage {

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

QString userLockFolder() {
    const QString user = QString::number(::geteuid());
    const QString runtime = QStringLiteral("/run/user/") + user;
    if (!notPrivate(runtime)) {
        return runtime;
    }
    const QString fallback = QStringLiteral("/tmp/shifter-calibration-") + user;
    (void)::mkdir(QFile::encodeName(fallback).constData(), 0700);  // checked on acquire
    return fallback;
}

}  // namespace storage
